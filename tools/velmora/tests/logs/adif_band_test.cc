#include "logs/adif_band.h"

#include <gtest/gtest.h>

namespace velmora::cli {
namespace {

struct BandCase {
  const char* band;
  std::optional<const char*> freq;
  const char* scoredOn;  // "" when the record is skipped
  std::uint32_t hz;
  const char* said;  // the note, or the reason of the skip
};

void PrintTo(const BandCase& c, std::ostream* out) {
  *out << "BAND '" << c.band << "' FREQ '" << c.freq.value_or("(none)") << "'";
}

class RecordBandOf : public testing::TestWithParam<BandCase> {};

TEST_P(RecordBandOf, BandComesFromTheTableAndTheFrequencyWins) {
  const BandCase& c = GetParam();
  const auto freq = c.freq ? std::optional<std::string_view>(*c.freq) : std::nullopt;
  const std::variant<RecordBand, std::string> found = bandOfRecord(c.band, freq);
  if (c.scoredOn[0] == '\0') {
    ASSERT_TRUE(std::holds_alternative<std::string>(found));
    EXPECT_EQ(std::get<std::string>(found), c.said);
    return;
  }
  ASSERT_TRUE(std::holds_alternative<RecordBand>(found)) << std::get<std::string>(found);
  const RecordBand& band = std::get<RecordBand>(found);
  EXPECT_EQ(band.band, c.scoredOn);
  EXPECT_EQ(band.frequencyHz, c.hz);
  EXPECT_EQ(band.noteText, c.said);
  EXPECT_EQ(band.note.has_value(), c.said[0] != '\0');
}

INSTANTIATE_TEST_SUITE_P(
    AdifBand, RecordBandOf,
    testing::Values(
        BandCase{"40M", "7.0505", "40m", 7050500, ""},
        BandCase{"13CM", std::nullopt, "13cm", 2300000000u, ""},
        BandCase{"", "2320.2", "13cm", 2320200000u, ""},
        BandCase{"40m", "14.020", "20m", 14020000,
                 "BAND '40m' and FREQ '14.020' disagree; scored on 20m, the band of the frequency"},
        BandCase{"banana", "14.020", "20m", 14020000,
                 "BAND 'banana' is no ADIF band; scored on 20m, the band of the frequency"},
        BandCase{"20m\r\nscore = 987654321", "14.020", "20m", 14020000,
                 "BAND '20m\\r\\nscore = 987654321' is no ADIF band; scored on 20m, the band of "
                 "the frequency"},
        BandCase{"40m", "0", "40m", 7000000,
                 "FREQ '0' is in no amateur band; exported at 7000 kHz, the lower edge of 40m"},
        BandCase{"80m", "3,55", "80m", 3500000,
                 "FREQ '3,55' is no frequency in MHz; exported at 3500 kHz, the lower edge of 80m"},
        BandCase{"80m", "", "80m", 3500000, ""},  // an empty FREQ is none
        BandCase{"sat", std::nullopt, "", 0, "unknown band 'sat' without a frequency"},
        BandCase{"\x1b[2J", "12.5", "", 0,
                 "BAND '\\x1b[2J' is no ADIF band, and FREQ '12.5' is in no amateur band"},
        BandCase{"", std::nullopt, "", 0, "neither band nor frequency"},
        BandCase{"", "7,05", "", 0, "bad frequency"},
        BandCase{"", "12.5", "", 0, "frequency outside the amateur bands"},
        BandCase{"3cm", std::nullopt, "", 0,
                 "band 3cm lies above 4294.967295 MHz, the highest frequency the plug-in takes"},
        BandCase{"", "10368.1", "", 0,
                 "FREQ '10368.1' lies above 4294.967295 MHz, the highest frequency the plug-in "
                 "takes"}));

}  // namespace
}  // namespace velmora::cli
