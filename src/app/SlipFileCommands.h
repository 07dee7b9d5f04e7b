#pragma once

#include "model/SlipFields.h"

class SlipControls;
class UserDialogs;

// The menu commands "Učitaj" and "Snimi kao" over the window's entry controls.
namespace SlipFileCommands {

// Asks for a file and sets the fields of the kind its first line names; the active tab stays.
// A file that names neither kind or cannot be read through is reported and changes nothing.
// Throws UserError when the file cannot be opened.
void load(UserDialogs &dialogs, SlipControls &fields);

// Loads path as load does with a chosen file: the program's command line and a dropped file.
void loadFile(UserDialogs &dialogs, SlipControls &fields, const QString &path);

// Asks for a file name and replaces that file with the record of kind. Throws UserError when the
// file cannot be written.
void save(UserDialogs &dialogs, const SlipControls &fields, SlipKind kind);

} // namespace SlipFileCommands
