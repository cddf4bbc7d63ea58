// The dialog template as the plug-in's resources hold it: what the dialog
// manager is given, before any platform adjusts styles or sizes.
#pragma once

#include <windows.h>

#include <string>

namespace host {

// One line for the dialog and one per control: place and size in dialog
// units, window class, id, text and style words. Says so when the library
// has no such template or the template is not a plain DIALOG.
std::string DescribeDialogTemplate(HMODULE module, int id);

}  // namespace host
