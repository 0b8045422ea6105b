#pragma once
// The order in which the summary lists the bands: descending by a key that is
// the band name filled with leading "0" characters to 20 characters (a name
// of 20 or more characters is its own key). Thus 160m, 80m, ..., 10m come out
// in that order, and 7 and 07, whose keys are equal, keep their places.

#include "log/qso_record.h"

namespace velmora {

// Reorders `bands` in place by comparing every pair (i, j > i) once and
// exchanging them when the key of i is strictly less than the key of j.
void orderBands(BandList& bands);

}  // namespace velmora
