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

// Where the form takes its answers when it has no terminal: the environment
// variable naming an answers file.
inline constexpr const char* kHeaderAnswersVariable = "VELMORA_HEADER_ANSWERS";

// The form answered from a file instead of a terminal: one "LABEL=value"
// line per field to change (the labels the form asks for, e.g.
// "CATEGORY=SO40"; "\n" is a line break in ADDRESS and SOAPBOX); every
// other field keeps its value, and the form closes with OK. A line that
// names no field of the form, a file that cannot be read, or no file
// (`path` null) cancels, leaving `fields` unchanged.
bool editHeaderFromAnswers(std::istream& answers, HeaderFields& fields);
bool editHeaderFromAnswersFile(const char* path, HeaderFields& fields);

}  // namespace velmora
