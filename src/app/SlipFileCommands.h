#pragma once

#include "model/Hub3aRecord.h"
#include "model/SlipFields.h"

class Hub3aTab;
class SlipControls;
class UserDialogs;

// The menu commands "Učitaj" and "Snimi kao" over the window's entry controls.
namespace SlipFileCommands {

// What a load filled: nothing, the fields of an older form, or the HUB-3A tab.
enum class Loaded { Nothing, OlderForm, Hub3a };

// Asks for a file and sets the fields of the kind its first line names. A file that names no
// kind or cannot be read through is reported and changes nothing; a HUB-3A slip whose fields
// break their rules fills the tab as the file says and is reported field by field. Throws
// UserError when the file cannot be opened.
Loaded load(UserDialogs &dialogs, SlipControls &fields, Hub3aTab &hub3a);

// Loads path as load does with a chosen file: the program's command line and a dropped file.
Loaded loadFile(UserDialogs &dialogs, SlipControls &fields, Hub3aTab &hub3a, const QString &path);

// Asks for a file name and replaces that file with the record of kind. Throws UserError when the
// file cannot be written.
void save(UserDialogs &dialogs, const SlipControls &fields, SlipKind kind);
// The same for the HUB-3A slip.
void saveHub3a(UserDialogs &dialogs, const Hub3aRecord &record);

} // namespace SlipFileCommands
