#pragma once
// The Cabrillo header dialog on Windows: template 101 shown modally.

#include <windows.h>

#include "ports/header_fields.h"

namespace velmora {

// Shows the dialog of `module`'s template 101, owned by `owner`, with its
// combo boxes filled from the template's initial items and every control
// showing its field. True after OK, with every control's text put back into
// `fields`; false after CANCEL, on closing, or when it cannot be shown.
bool runHeaderDialog(HINSTANCE module, HWND owner, HeaderFields& fields);

}  // namespace velmora
