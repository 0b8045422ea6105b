#pragma once
// The three forms of the multi-line header fields (address, soapbox): the
// edited form with CR and LF line breaks, the stored form that fits on one
// INI line ("<CR>", "<LF>"), and the header form in which every line break
// starts a new header line of the same tag.

#include <string>
#include <string_view>

namespace velmora {

std::string storedToEdited(std::string_view stored);
std::string editedToStored(std::string_view edited);
// `tag` is the header line's tag with its colon and blank, e.g. "ADDRESS: ".
std::string storedToHeader(std::string_view stored, std::string_view tag);

}  // namespace velmora
