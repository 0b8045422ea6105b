#include "sources/qt_stream.h"

namespace velmora::cli {
namespace {

// QDate's Julian day number of 1970-01-01.
constexpr long long kJulianDayOf1970 = 2440588;
constexpr std::uint32_t kNullTime = 0xFFFFFFFF;
constexpr long long kMillisecondsPerDay = 86400000;
// Qt's kinds of time: local time, UTC, an offset from UTC, a named time zone.
enum QtTimeKind : std::uint8_t { kLocalTime = 0, kUtc = 1, kOffsetFromUtc = 2 };

}  // namespace

std::optional<std::int32_t> QtStreamReader::i32() {
  const std::optional<std::uint32_t> value = u32();
  if (!value) return std::nullopt;
  return static_cast<std::int32_t>(*value);
}

std::optional<std::int64_t> QtStreamReader::i64() {
  const std::optional<std::uint64_t> value = u64();
  if (!value) return std::nullopt;
  return static_cast<std::int64_t>(*value);
}

std::optional<std::string> QtStreamReader::bytes() {
  const std::optional<std::uint32_t> size = u32();
  if (!size) return std::nullopt;
  if (*size == 0xFFFFFFFF) return std::string();
  if (bytes_.size() < *size) return std::nullopt;
  std::string value(bytes_.substr(0, *size));
  bytes_.remove_prefix(*size);
  return value;
}

std::optional<std::optional<CivilDateTime>> QtStreamReader::dateTime() {
  const std::optional<std::int64_t> julianDay = i64();
  const std::optional<std::uint32_t> milliseconds = u32();
  const std::optional<std::uint8_t> timeKind = u8();
  if (!julianDay || !milliseconds || !timeKind) return std::nullopt;
  long long offsetSeconds = 0;
  if (*timeKind == kOffsetFromUtc) {
    const std::optional<std::int32_t> offset = i32();
    if (!offset) return std::nullopt;
    offsetSeconds = *offset;
  } else if (*timeKind != kLocalTime && *timeKind != kUtc) {
    return std::nullopt;
  }
  // Dates of years 1900 to 9999 only; a null date or time is no time.
  constexpr long long kFirstDay = kJulianDayOf1970 + daysFromCivil(1900, 1, 1);
  constexpr long long kLastDay = kJulianDayOf1970 + daysFromCivil(9999, 12, 31);
  if (*julianDay < kFirstDay || *julianDay > kLastDay || *milliseconds == kNullTime ||
      *milliseconds >= kMillisecondsPerDay) {
    return std::optional<CivilDateTime>();
  }
  const long long seconds =
      (*julianDay - kJulianDayOf1970) * 86400 + *milliseconds / 1000 - offsetSeconds;
  const long long day = (seconds >= 0 ? seconds : seconds - 86399) / 86400;
  const long long ofDay = seconds - day * 86400;
  CivilDateTime time = civilFromDays(day);
  time.hour = static_cast<int>(ofDay / 3600);
  time.minute = static_cast<int>(ofDay / 60 % 60);
  time.second = static_cast<int>(ofDay % 60);
  return std::optional<CivilDateTime>(time);
}

}  // namespace velmora::cli
