#pragma once
// The logging host's date-time: days since 1899-12-30, the time of day as
// the fraction.

#include "log_qso.h"

namespace velmora::cli {

// True for a real calendar date (1900 to 9999) and a valid time of day.
bool isValidCivilTime(const CivilTime& time);

double oleDays(const CivilTime& time);

// Days from 1970-01-01 to the given proleptic Gregorian date.
long daysFromCivil(int year, int month, int day);

}  // namespace velmora::cli
