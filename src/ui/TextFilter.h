#pragma once

#include "model/Hub3aFields.h"

#include <QString>
#include <QStringList>

#include <functional>

// The text without the characters that Windows-1250 cannot hold. Entry controls keep only these,
// so what is saved or printed is what the user sees.
QString encodableOnly(const QString &text);

// encodableOnly, and without control characters other than the line breaks CR and LF: a partner
// entry's separator 08, the file's 0B, NUL and the like would split the entry or cut its file short.
QString encodableWithoutControls(const QString &text);

// The text as a HUB-3A field takes it while it is typed or pasted: small letters raised in the
// coded fields and the characters outside the field's repertoire dropped, as cleanHub3aText does,
// but not cut to the field's length, which the entry control cuts where the edit was.
QString hub3aCharactersOnly(Hub3aField field, const QString &text);

// The characters of text that filter drops, each once, in the order they first come; a character
// outside the 16-bit range stays whole.
QStringList droppedCharacters(const QString &text, const std::function<QString(const QString &)> &filter);
