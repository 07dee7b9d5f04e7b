// One running copy of the program as far as the partner file goes.
//   partner-copy FILE [+entry | -N]...   loads the list, makes the changes given ("+entry" adds,
//                                        "-N" deletes entry N), says "ready", and after a line on its
//                                        standard input saves as the end of the program does.
//   partner-copy FILE --rounds N TAG PAUSE_MS
//                                        loads the list once, then N times adds "TAG r" (r from 0),
//                                        in every third round deletes its own "TAG r-2", and saves,
//                                        waiting up to PAUSE_MS between saves: a clerk pressing
//                                        "U redu" again and again beside other running copies.
#include "model/UserError.h"
#include "partners/PartnerList.h"

#include <QCoreApplication>
#include <QString>

#include <chrono>
#include <cstdio>
#include <iostream>
#include <random>
#include <string>
#include <thread>

namespace {

void saveInRounds(PartnerList &list, int rounds, const QString &tag, int pauseMs)
{
    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<int> pause(0, pauseMs);
    for (int round = 0; round < rounds; ++round) {
        list.append(QStringLiteral("%1 %2").arg(tag).arg(round));
        const qsizetype old = list.entries().indexOf(QStringLiteral("%1 %2").arg(tag).arg(round - 2));
        if (round % 3 == 2 && old >= 0) // an entry a save lost cannot be deleted
            list.remove(static_cast<int>(old));
        list.SaveData();
        std::this_thread::sleep_for(std::chrono::milliseconds(pause(random)));
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2)
        return 2;
    try {
        PartnerList list(arguments.at(1));
        list.LoadData();
        if (arguments.size() == 6 && arguments.at(2) == QStringLiteral("--rounds")) {
            saveInRounds(list, arguments.at(3).toInt(), arguments.at(4), arguments.at(5).toInt());
            return 0;
        }
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
