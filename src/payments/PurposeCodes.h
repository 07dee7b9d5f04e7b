#pragma once

#include <QString>
#include <QStringView>

// The ISO 20022 purpose codes (ExternalPurpose1Code) a slip and a bank file take, from the list in
// PurposeCodes.txt compiled into the program.

// True when code is one of the list's codes, exactly (four capitals or digits).
bool isIsoPurposeCode(QStringView code);

// The release of the ISO 20022 external code sets the list is taken from ("ExternalCodeSets_1Q2018").
QString purposeCodeListVersion();
