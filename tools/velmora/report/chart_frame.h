#pragma once
// What every chart of the page shares: an SVG of fixed proportions (it
// scales with the page) with its title on top, the legend under it, the
// plot, the value axis on the left with its title, and the time axis (UTC)
// under the plot with its title. The series are painted with the patterns
// the frame defines, one per legend entry.

#include <string>
#include <vector>

#include "report/axis_ticks.h"
#include "report/score_steps.h"
#include "report/time_bins.h"

namespace velmora::cli::report {

struct ChartText {
  std::string id;      // unique on the page; prefixes the pattern ids
  std::string title;   // shown on top, and the SVG's accessible name
  std::string yTitle;  // the value axis, with its unit
  std::string xTitle;  // the time axis, with its unit
  std::vector<std::string> series;  // legend entries, in series order
};

struct ChartFrame {
  double width = 720;
  double left = 64;  // room for the value labels and the axis title
  double right = 16;
  double top = 0;    // where the plot starts: under the title and legend
  double plotHeight = 200;
  double bottom = 62;  // room for the hour and day labels and the axis title
  std::vector<PlotPoint> legendAt;  // where each legend entry starts
  double plotWidth() const { return width - left - right; }
  double height() const { return top + plotHeight + bottom; }
};

// The frame for `text`, its legend wrapped into as many rows as it needs.
ChartFrame chartFrame(const ChartText& text);

// The fill of series `series`: its pattern in the chart `text`.
std::string seriesFill(const ChartText& text, int series);

// The opening <svg> element with the accessible title, the pattern
// definitions, the visible title and the legend.
std::string chartHead(const ChartFrame& frame, const ChartText& text);

// The value grid with its labels, the time ticks with hour and day labels,
// both axes and their titles.
std::string chartAxes(const ChartFrame& frame, const ChartText& text, const AxisTicks& values,
                      const TimeBins& bins);

}  // namespace velmora::cli::report
