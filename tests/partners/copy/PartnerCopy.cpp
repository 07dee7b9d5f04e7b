// One running copy of the program as far as the partner file goes: loads the list, makes the changes
// given ("+entry" adds, "-N" deletes entry N), says "ready", and after a line on its standard input
// saves as the end of the program does.
#include "model/UserError.h"
#include "partners/PartnerList.h"

#include <QCoreApplication>
#include <QString>

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2)
        return 2;
    try {
        PartnerList list(arguments.at(1));
        list.LoadData();
        for (const QString &change : arguments.mid(2)) {
            if (change.startsWith(u'+'))
                list.append(change.mid(1));
            else if (change.startsWith(u'-'))
                list.remove(change.mid(1).toInt());
        }
        std::cout << "ready" << std::endl;
        std::string line;
        std::getline(std::cin, line);
        if (list.loadedWhole())
            list.SaveData();
    } catch (const UserError &error) {
        std::cerr << error.text().toStdString() << std::endl;
        return 1;
    }
    return 0;
}
