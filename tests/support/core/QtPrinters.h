#pragma once

#include <QString>
#include <QStringList>

#include <ostream>

// Lets GoogleTest print Qt texts readably in failure messages.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList &list, std::ostream *os)
{
    *os << '[';
    for (const QString &s : list)
        *os << '"' << s.toStdString() << "\" ";
    *os << ']';
}
