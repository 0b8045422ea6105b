#include "platform/posix/ini_document.h"

#include <algorithm>

#include "text/ascii.h"

namespace velmora {
namespace {

// The profile functions' white space: C's isspace plus the old end-of-file mark.
bool isBlank(char c) { return isAsciiBlank(c) || c == '\x1a'; }

std::string_view trimFront(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  return text;
}

std::string_view trimBack(std::string_view text) {
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

// One pair of the same quote character around a value is not part of it.
std::string_view unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

}  // namespace

IniDocument IniDocument::parse(std::string_view bytes) {
  IniDocument doc;
  doc.sections_.push_back(Section{});
  while (!bytes.empty()) {
    const std::size_t end = std::min(bytes.find('\n'), bytes.size());
    const std::string_view line = trimBack(trimFront(bytes.substr(0, end)));
    bytes.remove_prefix(std::min(end + 1, bytes.size()));
    if (line.empty()) continue;
    const std::size_t close = line.rfind(']');
    if (line.front() == '[' && close != std::string_view::npos) {
      const std::string_view name = trimBack(trimFront(line.substr(1, close - 1)));
      doc.sections_.push_back(Section{std::string(name), {}});
      continue;
    }
    const std::size_t equals = line.find('=');
    Line entry;
    if (equals == std::string_view::npos) {
      entry.name = line;
    } else {
      entry.name = trimBack(line.substr(0, equals));
      entry.value = std::string(trimFront(line.substr(equals + 1)));
    }
    doc.sections_.back().lines.push_back(std::move(entry));
  }
  return doc;
}

const IniDocument::Section* IniDocument::findSection(std::string_view name) const {
  for (const Section& section : sections_) {
    if (equalIgnoringAsciiCase(section.name, name)) return &section;
  }
  return nullptr;
}

IniDocument::Section* IniDocument::findSection(std::string_view name) {
  return const_cast<Section*>(static_cast<const IniDocument&>(*this).findSection(name));
}

std::optional<std::string> IniDocument::find(std::string_view section, std::string_view key) const {
  const Section* found = findSection(section);
  if (found == nullptr) return std::nullopt;
  for (const Line& line : found->lines) {
    if (!equalIgnoringAsciiCase(line.name, key)) continue;
    if (!line.value) return std::nullopt;
    return std::string(unquote(*line.value));
  }
  return std::nullopt;
}

bool IniDocument::set(std::string_view section, std::string_view key, std::string_view value) {
  const std::string stored(trimFront(value));
  Section* target = findSection(section);
  if (target == nullptr) {
    sections_.push_back(Section{std::string(section), {}});
    target = &sections_.back();
  }
  for (Line& line : target->lines) {
    if (equalIgnoringAsciiCase(line.name, key)) {
      if (line.value == stored) return false;
      line.value = stored;
      return true;
    }
  }
  target->lines.push_back(Line{std::string(key), stored});
  return true;
}

std::string IniDocument::serialize() const {
  std::size_t room = 0;
  for (const Section& section : sections_) {
    room += section.name.size() + 4;
    for (const Line& line : section.lines) {
      room += line.name.size() + (line.value ? line.value->size() + 1 : 0) + 2;
    }
  }
  std::string out;
  out.reserve(room);
  for (const Section& section : sections_) {
    // Only the leading lines go without a header; a later "[]" keeps its own.
    if (&section != &sections_.front()) {
      out += '[';
      out += section.name;
      out += "]\r\n";
    }
    for (const Line& line : section.lines) {
      out += line.name;
      if (line.value) {
        out += '=';
        out += *line.value;
      }
      out += "\r\n";
    }
  }
  return out;
}

}  // namespace velmora
