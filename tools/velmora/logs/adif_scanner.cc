#include "logs/adif_scanner.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "text/ascii.h"

namespace velmora::cli {
namespace {

constexpr std::streamsize kChunk = 1 << 16;
// A length beyond this cannot be a value of any file, on 32-bit systems too.
constexpr std::size_t kLongestLength = std::numeric_limits<std::size_t>::max() / 2;

std::string badLength(const std::string& name) { return "bad length in field " + name; }

}  // namespace

const std::string& AdifRecord::field(const std::string& lowerName) const {
  static const std::string kEmpty;
  const auto it = fields.find(lowerName);
  return it == fields.end() ? kEmpty : it->second;
}

AdifScanner::AdifScanner(std::istream& in, AdifFieldChoice wanted)
    : in_(in), wanted_(std::move(wanted)) {}

std::optional<AdifRecord> AdifScanner::next() {
  if (!started_) {
    skipLeadingHeader();
    started_ = true;
  }
  std::string tag;
  while (!ended_ && !atEnd_) {
    if (nextTag(tag)) {
      takeTag(tag);
      continue;
    }
    atEnd_ = true;
    if (!current_.fields.empty() || !current_.broken.empty()) {
      markBroken("no <EOR> at the end of the file");
      endRecord();
    }
  }
  return std::exchange(ended_, std::nullopt);
}

// The text between the next '<' and its '>'; false at the end of the file.
// Text between a value and the next tag is passed over.
bool AdifScanner::nextTag(std::string& tag) {
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
void AdifScanner::skipLeadingHeader() {
  in_ >> std::ws;
  if (in_.peek() == '<' || in_.peek() == std::char_traits<char>::eof()) return;
  std::string tag;
  while (nextTag(tag)) {
    const std::size_t last = tag.rfind('<');
    if (lowerAscii(trimAsciiBlanks(tag.substr(last == std::string::npos ? 0 : last + 1))) == "eoh") {
      return;
    }
  }
  current_.broken.clear();  // a header without <EOH>: nothing follows it
}

void AdifScanner::takeTag(const std::string& tag) {
  const std::size_t colon = tag.find(':');
  const std::string name = lowerAscii(trimAsciiBlanks(tag.substr(0, colon)));
  if (name == "eor") return endRecord();
  if (name == "eoh") {  // a header that began with tags: drop what it held
    current_.fields.clear();
    current_.broken.clear();
    return;
  }
  if (!current_.broken.empty()) return;  // looking for the record's end
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
bool AdifScanner::readValue(std::size_t bytes, std::string& value) {
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

bool AdifScanner::skipValue(std::size_t bytes) {
  in_.ignore(static_cast<std::streamsize>(bytes));
  return static_cast<std::size_t>(in_.gcount()) == bytes;
}

void AdifScanner::markBroken(const std::string& reason) {
  if (current_.broken.empty()) current_.broken = reason;
}

void AdifScanner::endRecord() {
  current_.record = record_++;
  ended_ = std::move(current_);
  current_ = AdifRecord{};
}

}  // namespace velmora::cli
