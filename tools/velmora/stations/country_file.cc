#include "stations/country_file.h"

#include <sstream>

#include "stations/call_place.h"
#include "text/ascii.h"
#include "util/input_file.h"
#include "util/user_error.h"

namespace velmora::cli {
namespace {

constexpr const char* kDefaultCountryFile = "/usr/share/hamradio-files/cty.dat";

// The text between `open` and `close` in an alias such as "TK(15)[28]{EU}".
std::string overrideIn(const std::string& alias, char open, char close) {
  const std::size_t from = alias.find(open);
  if (from == std::string::npos) return "";
  const std::size_t to = alias.find(close, from + 1);
  return to == std::string::npos ? "" : alias.substr(from + 1, to - from - 1);
}

}  // namespace

std::optional<CountryFile> CountryFile::parse(std::string_view text) {
  CountryFile file;
  std::size_t pos = 0;
  // Each entity: eight ':'-terminated header fields, then aliases up to ';'.
  while (true) {
    std::string header[8];
    std::size_t at = pos;
    bool complete = true;
    for (std::string& field : header) {
      const std::size_t colon = text.find(':', at);
      if (colon == std::string::npos) {
        complete = false;
        break;
      }
      field = std::string(trimAsciiBlanks(text.substr(at, colon - at)));
      at = colon + 1;
    }
    const std::size_t semicolon = complete ? text.find(';', at) : std::string::npos;
    if (semicolon == std::string::npos) break;
    std::string primary = header[7];
    if (!primary.empty() && primary[0] == '*') primary.erase(0, 1);
    file.entities_.push_back({header[0], upperAscii(header[3]), primary});
    file.addAliases(file.entities_.size() - 1, std::string(text.substr(at, semicolon - at)));
    pos = semicolon + 1;
  }
  if (file.entities_.empty()) return std::nullopt;
  return file;
}

void CountryFile::addAliases(std::size_t entity, const std::string& aliases) {
  std::istringstream list(aliases);
  for (std::string item; std::getline(list, item, ',');) {
    const std::string alias(trimAsciiBlanks(item));
    if (alias.empty()) continue;
    const bool exact = alias[0] == '=';
    const std::size_t start = exact ? 1 : 0;
    const std::size_t end = alias.find_first_of("([<{~", start);
    const std::string key = upperAscii(alias.substr(start, end - start));
    if (key.empty()) continue;
    Alias found{entity, upperAscii(overrideIn(alias, '{', '}'))};
    if (exact) {
      exactCalls_[key] = std::move(found);
      continue;
    }
    prefixes_[key].alias = std::move(found);
    for (std::size_t length = 1; length < key.size(); ++length) {
      prefixes_.try_emplace(key.substr(0, length));
    }
  }
}

Country CountryFile::countryOf(const Alias& alias) const {
  const Entity& entity = entities_[alias.entity];
  return {entity.name, entity.primaryPrefix,
          alias.continent.empty() ? entity.continent : alias.continent};
}

std::optional<Country> CountryFile::lookup(const std::string& call) const {
  const std::string whole = upperAscii(trimAsciiBlanks(call));
  if (const auto exact = exactCalls_.find(whole); exact != exactCalls_.end()) {
    return countryOf(exact->second);
  }
  const CallPlace place = placeOfCall(call);
  if (!place.noEntity.empty()) return std::nullopt;
  const std::string& key = place.part;
  if (key != whole) {
    if (const auto exact = exactCalls_.find(key); exact != exactCalls_.end()) {
      return countryOf(exact->second);
    }
  }
  const Alias* longest = nullptr;
  for (std::size_t length = 1; length <= key.size(); ++length) {
    const auto prefix = prefixes_.find(key.substr(0, length));
    if (prefix == prefixes_.end()) break;
    if (prefix->second.alias) longest = &*prefix->second.alias;
  }
  if (longest == nullptr) return std::nullopt;
  return countryOf(*longest);
}

CountryFile loadCountryFile(const std::optional<std::string>& path) {
  const std::string name = inputName(path.value_or(kDefaultCountryFile));
  const WholeInput text = readWholeInput(path.value_or(kDefaultCountryFile), kLongestCountryFile);
  if (text.fault == InputFault::TooLarge) {
    throw UserError("velmora: country file " + name + " holds more than " +
                    mebibytes(kLongestCountryFile) + ", the most velmora reads of one");
  }
  std::optional<CountryFile> countries;
  if (text.fault == InputFault::None) countries = CountryFile::parse(text.bytes);
  if (!countries) throw UserError("velmora: cannot read country file " + name);
  return std::move(*countries);
}

}  // namespace velmora::cli
