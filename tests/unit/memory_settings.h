#pragma once
// A settings store in memory for unit tests: keeps the last value of each
// section/key pair and counts the writes.

#include <map>
#include <string>
#include <utility>

#include "ports/platform.h"

namespace velmora::testing {

class MemorySettings : public SettingsStore {
 public:
  std::string read(std::string_view section, std::string_view key,
                   std::string_view fallback) override {
    auto found = values.find({std::string(section), std::string(key)});
    return found == values.end() ? std::string(fallback) : found->second;
  }
  void write(std::string_view section, std::string_view key, std::string_view value) override {
    values[{std::string(section), std::string(key)}] = value;
    ++writes;
  }

  std::map<std::pair<std::string, std::string>, std::string> values;
  int writes = 0;
};

}  // namespace velmora::testing
