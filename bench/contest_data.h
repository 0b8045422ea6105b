#pragma once
// Realistic contest data for the benchmarks, the same on every run: French,
// overseas and foreign stations with their call signs, prefixes, areas and
// exchanges, worked on 6 or 11 bands, and the reference file of French call
// signs with their departments.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "host/plugin_host.h"

namespace velmora::bench {

// The i-th French call sign (F4, F5, F6 or F8 and three letters); distinct
// for every i below 70,304. The reference file lists them in this order.
std::string frenchCall(int index);

// The department of the station with French call frenchCall(index): one of
// the 96 metropolitan ones, "01" to "95" with "2A" and "2B" for Corsica.
std::string department(int index);

// The first `count` QSOs of one contest on `bandCount` bands (6 or 11). A
// shorter log is always the beginning of a longer one. About three in four
// QSOs are with a new station on the band the operator is running on, the
// others work an earlier station again on another band; no two QSOs share
// call, mode and band, so none is a duplicate and each can be deleted alone.
std::vector<host::Qso> contestLog(int count, int bandCount);

// The call check the host makes while the operator types `qso`'s call.
host::CallCheck checkFor(const host::Qso& qso);

// Writes `records` lines "CALL DEP" with CR LF ends: frenchCall(0) onwards.
void writeReferenceFile(const std::filesystem::path& file, int records);

}  // namespace velmora::bench
