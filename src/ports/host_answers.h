#pragma once
// A host program that exports without an operator answers the Cabrillo
// header form itself, inside its own process: it defines and exports a C
// function named kHostAnswersEntry of type HostAnswers, and the platform's
// header form looks it up by that name in the running process when it opens.
// The plug-in does not link against it; a host that does not define it (the
// logging host) gets the form as before.
//
// The form asks the function once for each field, by the field's label
// ("CATEGORY", "E-MAIL", see kHeaderFieldLabels). A text returned is the
// field's new value, in edited form (CR LF line breaks in ADDRESS and
// SOAPBOX), and stays valid until the next call; null keeps the field's
// value. The Windows dialog then opens with the answers in place; the Linux
// form on a terminal asks as usual, and without one closes with OK.
//
// Such a host may also hear every message the plug-in shows (the export's
// "File produced: F6BBB.cbr"), to know what became of a file it asked for:
// it defines and exports kHostMessagesEntry, of type HostMessages, which the
// platform calls with the caption (null: the system's default) and the text
// of each message as it shows it.

#include "ports/header_fields.h"

extern "C" {
typedef const char* (*HostAnswers)(const char* label);
typedef void (*HostMessages)(const char* caption, const char* text);
}

// How a host program marks its definition of the entry for export.
#if defined(_WIN32)
#define VELMORA_HOST_ENTRY __declspec(dllexport)
#else
#define VELMORA_HOST_ENTRY __attribute__((visibility("default")))
#endif

namespace velmora {

inline constexpr const char* kHostAnswersEntry = "VelmoraHostAnswer";
inline constexpr const char* kHostMessagesEntry = "VelmoraHostMessage";

// Puts what `answers` gives for each field into `fields`.
inline void takeHostAnswers(HostAnswers answers, HeaderFields& fields) {
  for (const HeaderFieldLabel& field : kHeaderFieldLabels) {
    const char* answer = answers(std::string(field.label).c_str());
    if (answer != nullptr) fields.*field.field = answer;
  }
}

}  // namespace velmora
