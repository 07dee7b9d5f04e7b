#include <QApplication>
#include <QLabel>

// Placeholder start until the main window exists.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("ZORVAT Print 1.0"));
    window.setWindowTitle(QStringLiteral("ZORVAT Print 1.0"));
    window.resize(696, 547);
    window.show();
    return app.exec();
}
