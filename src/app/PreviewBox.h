#pragma once

#include <QWidget>

#include <functional>

// The box that shows the live picture of a form; its owner draws the picture.
class PreviewBox : public QWidget
{
    Q_OBJECT

public:
    using PaintHandler = std::function<void(QPainter &)>;

    explicit PreviewBox(QWidget *parent = nullptr);
    void setPaintHandler(PaintHandler handler);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    PaintHandler m_paint;
};
