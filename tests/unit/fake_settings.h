#pragma once
// Test doubles for the Cabrillo export: an in-memory settings store that
// records the order of its reads and writes, and an operator who answers the
// header dialog with a scripted edit.

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ports/platform.h"

namespace velmora {

class MemorySettings : public SettingsStore {
 public:
  std::string read(std::string_view section, std::string_view key,
                   std::string_view fallback) override {
    reads.emplace_back(key);
    auto found = values.find(std::string(section) + "/" + std::string(key));
    return found == values.end() ? std::string(fallback) : found->second.substr(0, 9999);
  }
  void write(std::string_view section, std::string_view key, std::string_view value) override {
    writes.emplace_back(key);
    values[std::string(section) + "/" + std::string(key)] = std::string(value);
  }
  std::string at(const std::string& key) const { return values.at("Settings/" + key); }
  bool has(const std::string& key) const { return values.count("Settings/" + key) != 0; }

  std::map<std::string, std::string> values;
  std::vector<std::string> reads;
  std::vector<std::string> writes;
};

class ScriptedOperator : public OperatorUi {
 public:
  void showMessage(const MessageRequest& request) override { messages.push_back(request); }
  bool editHeader(HeaderFields& fields) override {
    shownInDialog.push_back(fields);
    if (edit) edit(fields);
    return pressOk;
  }

  bool pressOk = true;
  std::function<void(HeaderFields&)> edit;
  std::vector<HeaderFields> shownInDialog;
  std::vector<MessageRequest> messages;
};

}  // namespace velmora
