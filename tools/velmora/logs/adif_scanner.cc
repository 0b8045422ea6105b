#include "logs/adif_scanner.h"

#include <limits>
#include <utility>

#include "logs/adif_tag.h"
#include "text/ascii.h"
#include "util/terminal_excerpt.h"

namespace velmora::cli {
namespace {

constexpr std::size_t kChunk = 1 << 16;
// A length beyond this cannot be a value of any file, on 32-bit systems too.
constexpr std::size_t kLongestLength = std::numeric_limits<std::size_t>::max() / 2;
// What is kept of a value that is not, to show it in a note.
constexpr std::size_t kPreview = 4 * kExcerptLength + 1;

std::string badLength(std::string_view name) {
  return "bad length in field " + terminalExcerpt(name);
}

// The declared length, or nothing when it is no number velmora can read.
std::optional<std::size_t> lengthOf(std::string_view digits) {
  if (digits.empty()) return std::nullopt;
  std::size_t bytes = 0;
  for (char c : digits) {
    if (c < '0' || c > '9' || bytes > kLongestLength / 10) return std::nullopt;
    bytes = bytes * 10 + static_cast<std::size_t>(c - '0');
  }
  if (bytes > kLongestLength) return std::nullopt;
  return bytes;
}

}  // namespace

void AdifFields::set(std::string_view name, std::string value) {
  for (auto& [known, held] : fields_) {
    if (known == name) {
      held = std::move(value);
      return;
    }
  }
  if (fields_.empty()) fields_.reserve(16);  // room for the fields of most records at once
  fields_.emplace_back(std::string(name), std::move(value));
}

const std::string* AdifFields::find(std::string_view name) const {
  for (const auto& [known, held] : fields_) {
    if (known == name) return &held;
  }
  return nullptr;
}

const std::string& AdifRecord::field(std::string_view lowerName) const {
  static const std::string kEmpty;
  const std::string* value = fields.find(lowerName);
  return value != nullptr ? *value : kEmpty;
}

AdifScanner::AdifScanner(std::istream& in, AdifFieldChoice wanted)
    : in_(in), wanted_(std::move(wanted)) {
  // The buffer never holds more than a tag's worth of bytes left over and
  // one chunk read: taken once, so reading a log asks for no large block
  // after it began.
  buffer_.reserve(kLongestAdifTag + kChunk);
}

std::optional<AdifRecord> AdifScanner::next() {
  if (!started_) {
    skipLeadingHeader();
    started_ = true;
  }
  while (!ended_ && !atEnd_) {
    if (nextTag(tag_)) {
      takeTag(tag_);
    } else {
      atEnd_ = true;
    }
    const bool begun = !current_.fields.empty() || !current_.broken.empty() || lengthRuns_ > 0;
    if (atEnd_ && !ended_ && begun) {
      markBroken("no <EOR> at the end of the file");
      endRecord();
    }
  }
  return std::exchange(ended_, std::nullopt);
}

// At least `bytes` bytes ahead, unless the file ends sooner (then false).
// Only the bytes not scanned yet are kept.
bool AdifScanner::fill(std::size_t bytes) {
  while (buffer_.size() - at_ < bytes && !inputDone_) {
    buffer_.erase(0, at_);
    at_ = 0;
    const std::size_t had = buffer_.size();
    buffer_.resize(had + kChunk);
    in_.read(&buffer_[had], static_cast<std::streamsize>(kChunk));
    const auto got = static_cast<std::size_t>(in_.gcount());
    buffer_.resize(had + got);
    inputDone_ = got == 0;
  }
  return buffer_.size() - at_ >= bytes;
}

// On to the next '<'; false at the end of the file.
bool AdifScanner::passToTag() {
  for (;;) {
    const std::size_t open = ahead().find('<');
    if (open != std::string_view::npos) {
      consume(open);
      return true;
    }
    consume(ahead().size());
    if (!fill(1)) return false;
  }
}

// The text between the next '<' and its '>'; false at the end of the file.
// A '<' followed by another '<' before any '>' is text, passed over.
bool AdifScanner::nextTag(std::string& tag) {
  for (;;) {
    if (!passToTag()) return false;
    fill(kLongestAdifTag);
    const std::string_view text = ahead().substr(0, kLongestAdifTag);
    std::size_t close = 1;
    while (close < text.size() && text[close] != '<' && text[close] != '>') ++close;
    if (close == text.size()) close = std::string_view::npos;
    if (close != std::string_view::npos && text[close] == '>') {
      tag.assign(text.substr(1, close - 1));
      consume(close + 1);
      return true;
    }
    if (close != std::string_view::npos) {
      consume(close);
      continue;
    }
    if (text.size() < kLongestAdifTag) {
      consume(text.size());
      markBroken("a tag without '>'");
      return false;
    }
    markBroken("a tag of more than " + std::to_string(kLongestAdifTag) +
               " characters: " + quotedExcerpt(text));
    consume(1);
  }
}

// A file that does not begin with a tag begins with a header up to <EOH>;
// stray '<' in its free text are passed over.
void AdifScanner::skipLeadingHeader() {
  while (fill(1)) {
    const std::string_view text = ahead();
    std::size_t blanks = 0;
    while (blanks < text.size() && isAsciiBlank(text[blanks])) ++blanks;
    consume(blanks);
    if (blanks < text.size()) break;
  }
  if (ahead().empty() || ahead()[0] == '<') return;
  std::string tag;
  while (nextTag(tag)) {
    if (equalIgnoringAsciiCase(trimAsciiBlanks(tag), "eoh")) break;
  }
  current_ = AdifRecord{};  // without <EOH>, nothing follows the header
}

void AdifScanner::takeTag(std::string_view tag) {
  const std::size_t colon = tag.find(':');
  const std::string_view written = trimAsciiBlanks(tag.substr(0, colon));
  // The name in lower case, in a buffer kept from tag to tag.
  name_.assign(written);
  for (char& c : name_) c = lowerAscii(c);
  const std::string_view name = name_;
  if (name == "eor") return endRecord();
  if (name == "eoh") {  // a header that began with tags: drop what it held
    current_ = AdifRecord{};
    lengthRuns_ = 0;
    return;
  }
  if (name == "app_lotw_eof") {
    atEnd_ = true;
    return;
  }
  if (!current_.broken.empty()) return;  // looking for the record's end
  if (colon == std::string_view::npos) {
    return markBroken("field " + terminalExcerpt(name) + " has no length");
  }
  const std::string_view length = tag.substr(colon + 1, tag.find(':', colon + 1) - colon - 1);
  const std::optional<std::size_t> bytes = lengthOf(length);
  if (!bytes) return markBroken(badLength(name));
  const bool kept = !wanted_ || wanted_(name_);
  // A value passed over is read into a buffer kept from field to field.
  std::string keptValue;
  std::string& value = kept ? keptValue : passedOver_;
  value.clear();
  bool cut = false;
  switch (readValue(*bytes, kept ? kLongestAdifValue : kPreview, value, cut)) {
    case ValueEnd::PastEnd:
      return markBroken("field " + terminalExcerpt(name) + " runs past the end of the file");
    case ValueEnd::RunsIntoTag:
      noteLengthRun(written, length, value);
      break;
    case ValueEnd::Whole:
      break;
  }
  if (!kept) return;
  if (cut) {
    return markBroken("field " + terminalExcerpt(name) + " is longer than " +
                      std::to_string(kLongestAdifValue) + " bytes");
  }
  current_.fields.set(name_, std::move(value));
}

// Reads a value of `bytes` bytes, or up to the well-formed tag its length
// runs into, in chunks, so that a length far beyond the file's end costs no
// more memory than the file holds. Keeps its first `keepAtMost` bytes in
// `value`; `cut` tells that there were more.
AdifScanner::ValueEnd AdifScanner::readValue(std::size_t bytes, std::size_t keepAtMost,
                                             std::string& value, bool& cut) {
  auto keep = [&](std::string_view part) {
    if (part.size() > keepAtMost - value.size()) {
      cut = true;
      part = part.substr(0, keepAtMost - value.size());
    }
    value.append(part);
  };
  std::size_t left = bytes;
  while (left > 0) {
    if (!fill(1)) return ValueEnd::PastEnd;
    const std::string_view text = ahead().substr(0, left);
    const std::size_t open = text.find('<');
    const std::string_view plain = text.substr(0, open);
    keep(plain);
    consume(plain.size());
    left -= plain.size();
    if (open == std::string_view::npos) continue;
    fill(kLongestAdifTag);
    if (adifTagAt(ahead()) != 0) return ValueEnd::RunsIntoTag;
    keep("<");
    consume(1);
    --left;
  }
  return ValueEnd::Whole;
}

void AdifScanner::noteLengthRun(std::string_view name, std::string_view length,
                                const std::string& value) {
  if (lengthRuns_++ > 0) return;
  current_.lengthNote = terminalExcerpt(name) + "'s length " + terminalExcerpt(length) +
                        " runs into the next field; read as " + quotedExcerpt(value);
}

void AdifScanner::markBroken(const std::string& reason) {
  if (current_.broken.empty()) current_.broken = reason;
}

void AdifScanner::endRecord() {
  current_.record = record_++;
  if (lengthRuns_ > 1) {
    current_.lengthNote += " (and " + std::to_string(lengthRuns_ - 1) + " more field" +
                           (lengthRuns_ > 2 ? "s" : "") + " like it)";
  }
  lengthRuns_ = 0;
  ended_ = std::move(current_);
  current_ = AdifRecord{};
}

}  // namespace velmora::cli
