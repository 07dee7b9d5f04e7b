#include <QApplication>
#include <QLabel>

// A second floor for the start-up benchmark: an empty window with one line of text, which adds the
// font set-up that every window showing text pays.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("ZORVAT Print"));
    window.resize(696, 547);
    window.show();
    return QApplication::exec();
}
