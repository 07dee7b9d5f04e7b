#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// A property a fuzz target checks: when it does not hold, the input is a finding. Aborting makes
// libFuzzer keep the input as a crash artifact.
inline void fuzzCheck(bool holds, const char *property)
{
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}

inline QByteArray fuzzBytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}

// The input read as UTF-16 code units, lone surrogates and all, as a text can hold them.
inline QString fuzzUtf16(const uint8_t *data, size_t size)
{
    QString text(static_cast<qsizetype>(size / 2), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        text[i] = QChar(static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8));
    return text;
}
