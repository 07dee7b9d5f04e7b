#pragma once

#include <QString>

// The character rules of the Croatian pain.001 guide for texts (names, addresses, the
// description): Latin letters a-z A-Z, Č Ć Đ Š Ž č ć đ š ž, digits, / - ? : ( ) . , ' + and space.
// A text must not begin with a space or "-", must not begin or end with "/" and must not hold "//".

// Whether the guide's text repertoire holds ch.
bool bankTextAccepts(QChar ch);

// What keeps text from standing in a bank file as it is, in Croatian, naming the character or the
// rule ("znak '&' nije dopušten", "ne smije počinjati razmakom"); empty when it may stand.
QString bankTextProblem(const QString &text);

// Whether text holds any of č ć đ š ž Č Ć Đ Š Ž, which only national payments may use.
bool hasCroatianLetters(const QString &text);

// text with č ć đ š ž Č Ć Đ Š Ž written as c c d s z C C D S Z, as payments abroad take it.
QString withoutCroatianLetters(const QString &text);
