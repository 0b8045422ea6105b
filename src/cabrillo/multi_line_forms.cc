#include "cabrillo/multi_line_forms.h"

#include "text/replace_all.h"

namespace velmora {

std::string storedToEdited(std::string_view stored) {
  return replaceAll(replaceAll(stored, "<CR>", "\r"), "<LF>", "\n");
}

std::string editedToStored(std::string_view edited) {
  return replaceAll(replaceAll(edited, "\r", "<CR>"), "\n", "<LF>");
}

std::string storedToHeader(std::string_view stored, std::string_view tag) {
  return replaceAll(replaceAll(stored, "<CR>", "\r\n" + std::string(tag)), "<LF>", "");
}

}  // namespace velmora
