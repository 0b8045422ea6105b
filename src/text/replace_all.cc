#include "text/replace_all.h"

namespace velmora {

std::string replaceAll(std::string_view text, std::string_view find, std::string_view replace) {
  std::string result;
  std::string_view rest = text;
  for (std::size_t i; !find.empty() && (i = rest.find(find)) != std::string_view::npos;) {
    result.append(rest.substr(0, i));
    result.append(replace);
    rest.remove_prefix(i + find.size());
  }
  result.append(rest);
  return result;
}

}  // namespace velmora
