#include "report/series_style.h"

#include <array>

namespace velmora::cli::report {
namespace {

// Blue, orange, bluish green, reddish purple, sky blue, vermillion, yellow.
constexpr std::array<const char*, 7> kPalette = {"#0072B2", "#E69F00", "#009E73", "#CC79A7",
                                                 "#56B4E9", "#D55E00", "#F0E442"};

// Drawn in translucent black over the colour, in an 8 by 8 tile.
constexpr std::array<const char*, 6> kTextures = {
    "",
    "<path d=\"M-2,2 l4,-4 M0,8 l8,-8 M6,10 l4,-4\" stroke=\"#000\" stroke-opacity=\".6\" "
    "stroke-width=\"1.4\"/>",
    "<circle cx=\"2\" cy=\"2\" r=\"1.3\" fill=\"#000\" fill-opacity=\".6\"/>"
    "<circle cx=\"6\" cy=\"6\" r=\"1.3\" fill=\"#000\" fill-opacity=\".6\"/>",
    "<path d=\"M0,2 h8 M0,6 h8\" stroke=\"#000\" stroke-opacity=\".6\" stroke-width=\"1.2\"/>",
    "<path d=\"M0,0 l8,8 M8,0 l-8,8\" stroke=\"#000\" stroke-opacity=\".6\" stroke-width=\"1\"/>",
    "<path d=\"M2,0 v8 M6,0 v8\" stroke=\"#000\" stroke-opacity=\".6\" stroke-width=\"1.2\"/>",
};

std::size_t wrap(int index, std::size_t size) {
  return static_cast<std::size_t>(index < 0 ? 0 : index) % size;
}

}  // namespace

std::string seriesColour(int index) { return kPalette[wrap(index, kPalette.size())]; }

std::string seriesPattern(const std::string& id, int index) {
  return "<pattern id=\"" + id +
         "\" width=\"8\" height=\"8\" patternUnits=\"userSpaceOnUse\"><rect width=\"8\" "
         "height=\"8\" fill=\"" +
         seriesColour(index) + "\"/>" + kTextures[wrap(index, kTextures.size())] + "</pattern>";
}

}  // namespace velmora::cli::report
