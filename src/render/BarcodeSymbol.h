#pragma once

#include <QByteArray>

#include <vector>

// A PDF417 symbol as a grid of modules: rows of `width` modules, dark or light. Each row is drawn
// rowModules modules high; quiet zones are not part of the grid.
class BarcodeSymbol
{
public:
    // The HUB-3A symbol of payload: PDF417, byte compaction of the bytes as they are (no character set
    // marker), error correction level 4, 9 data columns. Throws UserError when the payload does not fit.
    static BarcodeSymbol hub3a(const QByteArray &payload);

    int width() const { return m_width; }
    int rows() const { return m_rows; }
    bool dark(int row, int column) const { return m_modules[static_cast<size_t>(row * m_width + column)]; }

    static constexpr int rowModules = 3;
    static constexpr int quietModules = 2;

private:
    int m_width = 0;
    int m_rows = 0;
    std::vector<bool> m_modules;
};
