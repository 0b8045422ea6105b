#pragma once
// The header dialog on a Linux terminal: a short form that asks for each
// field in the dialog's order, showing its current value.

#include <istream>
#include <ostream>

#include "ports/header_fields.h"

namespace velmora {

// Asks for every field ("LABEL [value]: "); an empty answer keeps the value.
// In the multi-line fields (address, soapbox) "\n" stands for a line break.
// A final question takes an empty answer or "OK" (any case) as OK and
// anything else as CANCEL. True after OK, with the answers put into
// `fields`; false after CANCEL or at the end of input, `fields` unchanged.
bool editHeaderOnConsole(std::istream& in, std::ostream& out, HeaderFields& fields);

}  // namespace velmora
