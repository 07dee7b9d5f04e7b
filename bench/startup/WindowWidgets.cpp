#include "ui_ZorPrint.h"

#include <QApplication>
#include <QMainWindow>

// A third mark for the start-up benchmark: the main window's widgets from its Designer form, with
// the program's own controls, shown empty: no settings, partners, printers or preview drawing.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    Ui::TForm1 ui;
    ui.setupUi(&window);
    window.show();
    return QApplication::exec();
}
