#pragma once
// The country file (cty.dat): DXCC entities with their continent, primary
// prefix and the prefixes and exact calls that belong to them. A call is
// looked up by exact entry (=CALL) first, then by its longest matching
// prefix; an entry's own {continent} override wins over the entity's. A
// portable call is looked up by the part that decides its country
// (stations/call_place.h); /MM and /AM calls are in no entity.

#include <istream>
#include <optional>
#include <unordered_map>
#include <string>
#include <vector>

namespace velmora::cli {

struct Country {
  std::string name;
  std::string dxccPrefix;  // the entity's primary prefix, without a leading '*'
  std::string continent;   // for this prefix or call: "EU", "NA", ...
};

class CountryFile {
 public:
  // Nothing when the text holds no entity at all.
  static std::optional<CountryFile> parse(std::istream& in);

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

  void addAliases(std::size_t entity, const std::string& aliases);
  Country countryOf(const Alias& alias) const;

  std::vector<Entity> entities_;
  std::unordered_map<std::string, Alias> exactCalls_;
  std::unordered_map<std::string, Alias> prefixes_;
  std::size_t longestPrefix_ = 0;
};

// Nothing when the file cannot be read or holds no entity.
std::optional<CountryFile> readCountryFile(const std::string& path);

// The country file at `path`, by default Debian's (hamradio-files); throws
// UserError when it cannot be read or holds no entity.
CountryFile loadCountryFile(const std::optional<std::string>& path);

}  // namespace velmora::cli
