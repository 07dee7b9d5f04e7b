#include <QApplication>
#include <QWidget>

// The floor of the start-up benchmark: the least a Qt Widgets program does to show a window.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(696, 547);
    window.show();
    return QApplication::exec();
}
