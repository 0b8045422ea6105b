#pragma once
// When two QSO records are the same QSO: they agree in every field but the
// signal reports.

#include "log/qso_record.h"

namespace velmora {

bool isDuplicate(const QsoRecord& a, const QsoRecord& b);

}  // namespace velmora
