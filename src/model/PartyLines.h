#pragma once

#include <QString>

// The three lines of a slip's party (name, street, place) from a text as the clerk wrote it, a
// memo or a partner's name: its lines with spaces simplified, blank ones left out, lines past the
// third joined to the place. A text of one line that holds two commas or more, or is longer than
// the name's field (nameLength) and holds one, is split at them as the clerk wrote it on one line
// ("Ana Ban, Ilica 1, Zagreb"), parts past the third joining the place with their commas.
struct PartyLines
{
    QString name, street, place;

    static PartyLines of(const QString &text, int nameLength);
};
