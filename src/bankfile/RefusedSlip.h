#pragma once

#include "bankfile/Pain002.h"

#include <QStringView>

// A refused order of a pain.002 report turned back into a HUB-3A slip, to correct and send again.
namespace Pain002 {

// A model and reference written together ("HR0112345-678") as the slip's two fields; a text that
// is no Croatian model and number goes whole into the reference, fitted to it; what fitting changed
// (Hub3aRecord::setFitted), or an empty text.
QString setReference(Hub3aRecord &slip, Hub3aField modelField, Hub3aField referenceField,
                     const QString &joined);

// Takes a text of the order's OrgnlTxRef, by its path below OrgnlTxRef ("Cdtr/Pty/Nm"), into order
// and its slip.
void takeOriginalText(RefusedOrder &order, QStringView field, const QString &text);

} // namespace Pain002
