#include "adif_reader.h"

#include <iterator>

#include "text_case.h"

namespace velmora::cli {
namespace {

// Walks the text tag by tag, collecting one record at a time.
class AdifScanner {
 public:
  explicit AdifScanner(std::string text) : text_(std::move(text)) {}

  AdifContents scan() {
    skipLeadingHeader();
    while (pos_ < text_.size()) {
      const std::size_t open = text_.find('<', pos_);
      if (open == std::string::npos) break;
      const std::size_t close = text_.find('>', open);
      if (close == std::string::npos) {
        markBroken("a tag without '>'");
        pos_ = text_.size();
        break;
      }
      pos_ = close + 1;
      takeTag(text_.substr(open + 1, close - open - 1));
    }
    if (!fields_.empty() || !brokenReason_.empty()) {
      markBroken("no <EOR> at the end of the file");
      endRecord();
    }
    return std::move(contents_);
  }

 private:
  // A file that does not begin with a tag begins with a header up to <EOH>.
  void skipLeadingHeader() {
    const std::size_t first = text_.find_first_not_of(" \t\r\n");
    if (first == std::string::npos || text_[first] == '<') return;
    const std::size_t eoh = toLower(text_).find("<eoh>");
    pos_ = eoh == std::string::npos ? text_.size() : eoh + 5;
  }

  void takeTag(const std::string& tag) {
    const std::size_t colon = tag.find(':');
    const std::string name = toLower(trimBlanks(tag.substr(0, colon)));
    if (name == "eor") return endRecord();
    if (name == "eoh") {  // a header that began with tags: drop what it held
      fields_.clear();
      brokenReason_.clear();
      return;
    }
    if (!brokenReason_.empty()) return;  // looking for the record's end
    if (colon == std::string::npos) return markBroken("field " + name + " has no length");
    const std::string length = tag.substr(colon + 1, tag.find(':', colon + 1) - colon - 1);
    std::size_t bytes = 0;
    for (char c : length) {
      if (c < '0' || c > '9' || bytes > text_.size()) return markBroken(badLength(name));
      bytes = bytes * 10 + static_cast<std::size_t>(c - '0');
    }
    if (length.empty()) return markBroken(badLength(name));
    if (bytes > text_.size() - pos_) {
      pos_ = text_.size();
      return markBroken("field " + name + " runs past the end of the file");
    }
    fields_[name] = text_.substr(pos_, bytes);
    pos_ += bytes;
  }

  static std::string badLength(const std::string& name) {
    return "bad length in field " + name;
  }

  void markBroken(const std::string& reason) {
    if (brokenReason_.empty()) brokenReason_ = reason;
  }

  void endRecord() {
    if (brokenReason_.empty()) {
      contents_.records.push_back({record_, std::move(fields_)});
    } else {
      contents_.skipped.push_back({record_, brokenReason_});
    }
    ++record_;
    fields_.clear();
    brokenReason_.clear();
  }

  std::string text_;
  std::size_t pos_ = 0;
  int record_ = 1;
  std::map<std::string, std::string> fields_;
  std::string brokenReason_;
  AdifContents contents_;
};

}  // namespace

const std::string& AdifRecord::field(const std::string& lowerName) const {
  static const std::string kEmpty;
  const auto it = fields.find(lowerName);
  return it == fields.end() ? kEmpty : it->second;
}

AdifContents readAdif(std::istream& in) {
  std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  return AdifScanner(std::move(text)).scan();
}

}  // namespace velmora::cli
