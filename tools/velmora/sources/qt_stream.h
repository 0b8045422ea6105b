#pragma once
// Reads the values a Qt QDataStream writes (big-endian, as WSJT-X and JTDX
// send their UDP messages): integers, byte arrays as a 32-bit length then
// the bytes (0xffffffff: null), and date-times. Each read takes its value
// off the front; nothing when the bytes left do not hold it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "log/ole_date_time.h"

namespace velmora::cli {

class QtStreamReader {
 public:
  explicit QtStreamReader(std::string_view bytes) : bytes_(bytes) {}

  bool atEnd() const { return bytes_.empty(); }

  std::optional<std::uint8_t> u8() { return unsignedOf<std::uint8_t>(1); }
  std::optional<std::uint32_t> u32() { return unsignedOf<std::uint32_t>(4); }
  std::optional<std::uint64_t> u64() { return unsignedOf<std::uint64_t>(8); }
  std::optional<std::int32_t> i32();
  std::optional<std::int64_t> i64();
  // A byte array (WSJT-X's utf8 strings); a null one is "".
  std::optional<std::string> bytes();

  // A QDateTime as Qt 5 writes it (Julian day, milliseconds of the day,
  // time spec, and for an offset from UTC its seconds), in UTC. A null or
  // invalid date-time is read as nothing inside a present value; a time
  // spec this reader cannot convert (a named time zone) ends the reading.
  std::optional<std::optional<CivilDateTime>> dateTime();

 private:
  template <typename T>
  std::optional<T> unsignedOf(std::size_t size) {
    if (bytes_.size() < size) return std::nullopt;
    T value = 0;
    for (std::size_t i = 0; i < size; ++i) {
      value = static_cast<T>((value << 8) | static_cast<unsigned char>(bytes_[i]));
    }
    bytes_.remove_prefix(size);
    return value;
  }

  std::string_view bytes_;
};

}  // namespace velmora::cli
