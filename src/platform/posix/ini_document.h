#pragma once
// An INI file held as its lines, read and rewritten the way the Windows
// profile functions do it, so that the Linux plug-in's settings file behaves
// like the DLL's:
// - Section and key names match regardless of ASCII letter case; a rewrite
//   keeps the case already in the file.
// - Lines before the first section form the section named "". Comment lines
//   and lines without "=" are kept in place; blank lines are dropped on a
//   rewrite.
// - A value is read without the blanks around it and without one pair of
//   matching enclosing quotes.
// - A rewrite writes CRLF line ends and "Key=value"; a new key goes after the
//   last line of its section, a new section at the end of the file.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

class IniDocument {
 public:
  static IniDocument parse(std::string_view bytes);

  // The value of the first matching key of the first matching section;
  // nullopt when there is none or that line has no "=".
  std::optional<std::string> find(std::string_view section, std::string_view key) const;

  // Sets a key (blanks in front of `value` dropped). Returns false when the
  // key already held exactly that value, so the file need not be written.
  bool set(std::string_view section, std::string_view key, std::string_view value);

  std::string serialize() const;

 private:
  struct Line {
    std::string name;                  // the key, or the whole line when it has no "="
    std::optional<std::string> value;  // nullopt: a line without "="
  };
  struct Section {
    std::string name;  // "" for the lines before the first section (written without header)
                       // and for a section headed "[]"
    std::vector<Line> lines;
  };

  Section* findSection(std::string_view name);
  const Section* findSection(std::string_view name) const;

  std::vector<Section> sections_;
};

}  // namespace velmora
