#pragma once

#include <QFont>

// The font of every window and its labels and buttons: MS Sans Serif 11 pixels high; where that
// Windows font is missing, Arial (Liberation Sans), whose widths are closest, rather than whatever
// sans serif font the system would pick.
QFont windowFont();
