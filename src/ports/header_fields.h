#pragma once
// The Cabrillo header fields that the operator sees and edits in the header
// dialog. The export object keeps one set; the dialog edits a copy.

#include <string>

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

}  // namespace velmora
