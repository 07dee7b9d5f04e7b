#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class QWidget;

// Takes files dropped anywhere on a window: the window and every control of it that takes drops
// (the entry fields) accept a drag of local files and hand the dropped files' paths, in the drag's
// order, to the window. Other drags, such as text, reach the controls as before.
class FileDrop : public QObject
{
public:
    using Handler = std::function<void(const QStringList &paths)>;

    // Lives as long as window, whose controls must all exist by now.
    FileDrop(QWidget *window, Handler handler);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Handler m_handler;
};
