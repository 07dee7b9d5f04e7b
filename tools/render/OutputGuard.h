#pragma once

#include <QString>
#include <QStringList>

// Whether two names lead to one file: the same file on the same device, whatever the path, a
// symbolic or a hard link included; two names of files that do not exist yet, when they are one.
bool sameFile(const QString &one, const QString &other);

// Throws UserError "izlazna datoteka OUT je i ulazna; odaberite drugu" when output is one of the
// inputs: the output replaces its file and would destroy what it is made from.
void refuseOutputOverAnInput(const QString &output, const QStringList &inputs);
