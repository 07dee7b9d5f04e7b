#pragma once

#include <QDate>

// The days Croatian banks execute orders: not a weekend, a Croatian public holiday, nor a day the
// euro payment system is closed (Good Friday).
bool isBusinessDay(QDate day);

// The first business day from day on: day itself when it is one.
QDate businessDayFrom(QDate day);
