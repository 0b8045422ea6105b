#include "logs/adif_band.h"

#include "logs/band_plan.h"
#include "logs/decimal_number.h"
#include "text/ascii.h"
#include "util/terminal_excerpt.h"

namespace velmora::cli {
namespace {

std::string kilohertz(std::uint64_t hz) { return std::to_string(hz / 1000) + " kHz"; }

}  // namespace

std::variant<RecordBand, std::string> bandOfRecord(std::string_view bandField,
                                                   std::optional<std::string_view> freqField) {
  const std::string_view bandText = trimAsciiBlanks(bandField);
  const std::string_view freqText = freqField ? trimAsciiBlanks(*freqField) : std::string_view();
  const AdifBand* named = bandNamed(bandText);
  const std::optional<std::uint64_t> hz = megahertzToHz(freqText);
  const AdifBand* holding = hz ? bandAt(*hz) : nullptr;
  RecordBand found;
  if (holding != nullptr) {
    if (*hz > kHighestPluginHz) return "FREQ " + quotedExcerpt(freqText) + kAboveThePlugin;
    found.band = holding->name;
    found.frequencyHz = static_cast<std::uint32_t>(*hz);
    if (!bandText.empty() && named != holding) {
      found.note = ReadingNoteKind::BandFromFrequency;
      found.noteText = "BAND " + quotedExcerpt(bandText) +
                       (named != nullptr ? " and FREQ " + quotedExcerpt(freqText) + " disagree"
                                         : " is no ADIF band") +
                       "; scored on " + found.band + ", the band of the frequency";
    }
    return found;
  }
  if (named != nullptr) {
    if (named->lowHz > kHighestPluginHz) {
      return std::string("band ") + named->name + kAboveThePlugin;
    }
    found.band = named->name;
    found.frequencyHz = static_cast<std::uint32_t>(named->lowHz);
    found.frequencyFromBand = true;
    if (!freqText.empty()) {
      found.note = ReadingNoteKind::FrequencyFromBand;
      found.noteText = "FREQ " + quotedExcerpt(freqText) +
                       (hz ? " is in no amateur band" : " is no frequency in MHz") +
                       "; exported at " + kilohertz(named->lowHz) + ", the lower edge of " +
                       found.band;
    }
    return found;
  }
  if (!bandText.empty()) {
    if (hz) return "BAND " + quotedExcerpt(bandText) + " is no ADIF band, and FREQ " +
                   quotedExcerpt(freqText) + " is in no amateur band";
    return "unknown band " + quotedExcerpt(bandText) + " without a frequency";
  }
  if (freqText.empty()) return std::string("neither band nor frequency");
  if (!hz) return std::string("bad frequency");
  return std::string("frequency outside the amateur bands");
}

}  // namespace velmora::cli
