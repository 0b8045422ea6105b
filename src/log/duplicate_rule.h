#pragma once
// When two QSO records are the same QSO: they agree in every field but the
// signal reports.

#include <cstdint>

#include "log/qso_record.h"

namespace velmora {

bool isDuplicate(const QsoRecord& a, const QsoRecord& b);

// A hash of exactly the fields isDuplicate compares: duplicates always have
// the same key, so a key not seen before marks a QSO that is not logged yet.
std::uint64_t duplicateKey(const QsoRecord& record);

}  // namespace velmora
