#include "cabrillo/multi_line_forms.h"

#include "cabrillo/replace_all.h"

namespace velmora {

std::string StoredToEdited(std::string_view stored) {
  return ReplaceAll(ReplaceAll(stored, "<CR>", "\r"), "<LF>", "\n");
}

std::string EditedToStored(std::string_view edited) {
  return ReplaceAll(ReplaceAll(edited, "\r", "<CR>"), "\n", "<LF>");
}

std::string StoredToHeader(std::string_view stored, std::string_view tag) {
  return ReplaceAll(ReplaceAll(stored, "<CR>", "\r\n" + std::string(tag)), "<LF>", "");
}

}  // namespace velmora
