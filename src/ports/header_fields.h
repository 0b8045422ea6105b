#pragma once
// The Cabrillo header fields that the operator sees and edits in the header
// dialog. The export object keeps one set; the dialog edits a copy.

#include <string>
#include <string_view>

namespace velmora {

struct HeaderFields {
  std::string callSign;
  std::string claimed;  // shown in the dialog only; an edit of it is dropped
  std::string club;
  std::string category;
  std::string contest;
  std::string email;
  std::string name;
  std::string operators;
  std::string soapBox;  // multi-line: CR LF line breaks while edited
  std::string address;  // multi-line: CR LF line breaks while edited
  std::string power;
};

// A field as the form shows it: under the dialog's label, one line or several.
struct HeaderFieldLabel {
  std::string_view label;
  std::string HeaderFields::*field;
  bool multiLine;
};

// The fields in the order the dialog lays them out, under its labels.
inline constexpr HeaderFieldLabel kHeaderFieldLabels[] = {
    {"CONTEST", &HeaderFields::contest, false},
    {"CALLSIGN", &HeaderFields::callSign, false},
    {"CLAIMED", &HeaderFields::claimed, false},
    {"CATEGORY", &HeaderFields::category, false},
    {"POWER", &HeaderFields::power, false},
    {"NAME", &HeaderFields::name, false},
    {"ADDRESS", &HeaderFields::address, true},
    {"OPERATORS", &HeaderFields::operators, false},
    {"CLUB", &HeaderFields::club, false},
    {"SOAPBOX", &HeaderFields::soapBox, true},
    {"E-MAIL", &HeaderFields::email, false},
};

}  // namespace velmora
