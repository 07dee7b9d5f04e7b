#pragma once

#include "FixedTextMeasure.h"
#include "render/PaintUplatnica.h"
#include "render/PaintZorvat.h"
#include "render/RecordingSurface.h"

#include <QString>

#include <gtest/gtest.h>

#include <vector>

// Records a layout through a surface with fixed text widths and finds operations in the log.
struct LayoutRecording
{
    LayoutRecording() = default;
    explicit LayoutRecording(int charWidth) : measure(charWidth) {}

    FixedTextMeasure measure;
    RecordingSurface surface{measure};

    const std::vector<RecordedOp> &ops() const { return surface.ops(); }

    std::vector<RecordedOp> ofKind(OpKind kind) const
    {
        std::vector<RecordedOp> found;
        for (const RecordedOp &op : ops()) {
            if (op.kind == kind)
                found.push_back(op);
        }
        return found;
    }

    // The n-th (from 0) text operation drawing exactly this text.
    RecordedOp text(const QString &text, int n = 0) const
    {
        for (const RecordedOp &op : ops()) {
            if ((op.kind == OpKind::TextOut || op.kind == OpKind::TextRect) && op.text == text && n-- == 0)
                return op;
        }
        ADD_FAILURE() << "no text op for " << text.toStdString();
        return RecordedOp{};
    }

    bool hasRectangle(int x1, int y1, int x2, int y2) const
    {
        for (const RecordedOp &op : ofKind(OpKind::Rectangle)) {
            if (op.x1 == x1 && op.y1 == y1 && op.x2 == x2 && op.y2 == y2)
                return true;
        }
        return false;
    }

    // A MoveTo immediately followed by a LineTo with these ends, drawn with a pen of penWidth
    // unless that is negative.
    bool hasLine(int x1, int y1, int x2, int y2, int penWidth = -1) const
    {
        for (size_t i = 0; i + 1 < ops().size(); ++i) {
            const RecordedOp &a = ops()[i], &b = ops()[i + 1];
            if (a.kind == OpKind::MoveTo && b.kind == OpKind::LineTo && a.x == x1 && a.y == y1 && b.x == x2 &&
                b.y == y2 && (penWidth < 0 || b.state.pen.width == penWidth))
                return true;
        }
        return false;
    }
};

struct Rect
{
    int x1, y1, x2, y2;
};
