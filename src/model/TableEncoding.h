#pragma once

#include <QIODevice>
#include <QString>

// How a table file's bytes are text: UTF-8 (with or without a byte order mark) or, when its bytes
// are not UTF-8 and none of them form a UTF-8 letter beyond ASCII, Windows-1250.
struct TableEncoding
{
    bool utf8 = true;
    bool byteOrderMark = false; // the file starts with UTF-8's byte order mark, which is not text

    QString name() const { return utf8 ? QStringLiteral("UTF-8") : QStringLiteral("Windows-1250"); }

    // Reads device from its start to its end in chunks, so a file of any size takes little memory.
    // Throws UserError naming the first byte that fits neither encoding (its line of the file and
    // its place in the line) for a file that is neither cleanly UTF-8 nor plausibly Windows-1250,
    // and "Stream read error" when reading fails.
    static TableEncoding of(QIODevice &device);
};
