#include "adif_reader.h"

#include <limits>

#include "text_case.h"

namespace velmora::cli {
namespace {

constexpr std::streamsize kChunk = 1 << 16;
// A length beyond this cannot be a value of any file, on 32-bit systems too.
constexpr std::size_t kLongestLength = std::numeric_limits<std::size_t>::max() / 2;

// Walks the stream tag by tag, collecting one record at a time.
class AdifScanner {
 public:
  AdifScanner(std::istream& in, const std::function<void(const AdifRecord&)>& onRecord,
              const std::function<void(SkippedRecord)>& onBroken, const AdifFieldChoice& wanted)
      : in_(in), onRecord_(onRecord), onBroken_(onBroken), wanted_(wanted) {}

  void scan() {
    skipLeadingHeader();
    std::string tag;
    while (nextTag(tag)) takeTag(tag);
    if (!current_.fields.empty() || !brokenReason_.empty()) {
      markBroken("no <EOR> at the end of the file");
      endRecord();
    }
  }

 private:
  // The text between the next '<' and its '>'; false at the end of the file.
  // Text between a value and the next tag is passed over.
  bool nextTag(std::string& tag) {
    std::string passedOver;
    if (!std::getline(in_, passedOver, '<')) return false;
    if (in_.eof()) return false;  // no '<' any more
    std::getline(in_, tag, '>');
    if (in_.eof()) {
      markBroken("a tag without '>'");
      return false;
    }
    return true;
  }

  // A file that does not begin with a tag begins with a header up to <EOH>;
  // stray '<' in its free text are passed over.
  void skipLeadingHeader() {
    in_ >> std::ws;
    if (in_.peek() == '<' || in_.peek() == std::char_traits<char>::eof()) return;
    std::string tag;
    while (nextTag(tag)) {
      const std::size_t last = tag.rfind('<');
      if (toLower(trimBlanks(tag.substr(last == std::string::npos ? 0 : last + 1))) == "eoh") {
        return;
      }
    }
    brokenReason_.clear();  // a header without <EOH>: nothing follows it
  }

  void takeTag(const std::string& tag) {
    const std::size_t colon = tag.find(':');
    const std::string name = toLower(trimBlanks(tag.substr(0, colon)));
    if (name == "eor") return endRecord();
    if (name == "eoh") {  // a header that began with tags: drop what it held
      current_.fields.clear();
      brokenReason_.clear();
      return;
    }
    if (!brokenReason_.empty()) return;  // looking for the record's end
    if (colon == std::string::npos) return markBroken("field " + name + " has no length");
    const std::string length = tag.substr(colon + 1, tag.find(':', colon + 1) - colon - 1);
    std::size_t bytes = 0;
    for (char c : length) {
      if (c < '0' || c > '9' || bytes > kLongestLength / 10) return markBroken(badLength(name));
      bytes = bytes * 10 + static_cast<std::size_t>(c - '0');
    }
    if (length.empty()) return markBroken(badLength(name));
    if (wanted_ && !wanted_(name)) {
      if (!skipValue(bytes)) markBroken("field " + name + " runs past the end of the file");
      return;
    }
    std::string& value = current_.fields[name];
    if (!readValue(bytes, value)) {
      current_.fields.erase(name);
      markBroken("field " + name + " runs past the end of the file");
    }
  }

  // Reads `bytes` bytes in chunks, so that a length far beyond the file's
  // end costs no more memory than the file holds.
  bool readValue(std::size_t bytes, std::string& value) {
    value.clear();
    while (value.size() < bytes) {
      const std::size_t had = value.size();
      const std::size_t want = std::min<std::size_t>(bytes - had, kChunk);
      value.resize(had + want);
      in_.read(&value[had], static_cast<std::streamsize>(want));
      if (static_cast<std::size_t>(in_.gcount()) != want) return false;
    }
    return true;
  }

  bool skipValue(std::size_t bytes) {
    in_.ignore(static_cast<std::streamsize>(bytes));
    return static_cast<std::size_t>(in_.gcount()) == bytes;
  }

  static std::string badLength(const std::string& name) {
    return "bad length in field " + name;
  }

  void markBroken(const std::string& reason) {
    if (brokenReason_.empty()) brokenReason_ = reason;
  }

  void endRecord() {
    current_.record = record_++;
    if (brokenReason_.empty()) {
      onRecord_(current_);
    } else {
      onBroken_({current_.record, brokenReason_});
    }
    current_.fields.clear();
    brokenReason_.clear();
  }

  std::istream& in_;
  const std::function<void(const AdifRecord&)>& onRecord_;
  const std::function<void(SkippedRecord)>& onBroken_;
  const AdifFieldChoice& wanted_;
  int record_ = 1;
  AdifRecord current_;
  std::string brokenReason_;
};

}  // namespace

const std::string& AdifRecord::field(const std::string& lowerName) const {
  static const std::string kEmpty;
  const auto it = fields.find(lowerName);
  return it == fields.end() ? kEmpty : it->second;
}

void scanAdif(std::istream& in, const std::function<void(const AdifRecord&)>& onRecord,
              const std::function<void(SkippedRecord)>& onBroken, const AdifFieldChoice& wanted) {
  AdifScanner(in, onRecord, onBroken, wanted).scan();
}

}  // namespace velmora::cli
