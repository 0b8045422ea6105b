#pragma once
// The country file (cty.dat): DXCC entities with their continent, primary
// prefix and the prefixes and exact calls that belong to them. A call is
// looked up by exact entry (=CALL) first, then by its longest matching
// prefix; an entry's own {continent} override wins over the entity's. A
// portable call is looked up by the part that decides its country
// (stations/call_place.h); /MM and /AM calls are in no entity. A country
// file is read whole, at most kLongestCountryFile bytes (Debian's is a
// third of a megabyte).

#include <cstddef>
#include <optional>
#include <unordered_map>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::cli {

constexpr std::size_t kLongestCountryFile = std::size_t{16} << 20;

struct Country {
  std::string name;
  std::string dxccPrefix;  // the entity's primary prefix, without a leading '*'
  std::string continent;   // for this prefix or call: "EU", "NA", ...
};

class CountryFile {
 public:
  // Nothing when the text holds no entity at all.
  static std::optional<CountryFile> parse(std::string_view text);

  std::optional<Country> lookup(const std::string& call) const;

  std::size_t entityCount() const { return entities_.size(); }

 private:
  struct Entity {
    std::string name, continent, primaryPrefix;
  };
  struct Alias {
    std::size_t entity = 0;
    std::string continent;  // empty: the entity's
  };
  // A prefix of the country file, or only the beginning of longer ones (no
  // alias): every beginning of a prefix has an entry, so a call's longest
  // prefix is found by lengthening the key until no entry is left.
  struct PrefixEntry {
    std::optional<Alias> alias;
  };

  void addAliases(std::size_t entity, const std::string& aliases);
  Country countryOf(const Alias& alias) const;

  std::vector<Entity> entities_;
  std::unordered_map<std::string, Alias> exactCalls_;
  std::unordered_map<std::string, PrefixEntry> prefixes_;
};

// The country file at `path` ("-": standard input), by default Debian's
// (hamradio-files); throws UserError when it cannot be read, is larger than
// kLongestCountryFile or holds no entity.
CountryFile loadCountryFile(const std::optional<std::string>& path);

}  // namespace velmora::cli
