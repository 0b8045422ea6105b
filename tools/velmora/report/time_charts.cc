#include "report/time_charts.h"

#include <algorithm>

#include "report/markup.h"

namespace velmora::cli::report {

std::string stackedBarChart(const ChartText& text, const TimeBins& bins, const CountTable& counts) {
  const ChartFrame frame = chartFrame(text);
  const AxisTicks values = niceTicks(tallestBar(counts));
  std::string svg = chartHead(frame, text) + chartAxes(frame, text, values, bins);
  const double slot = frame.plotWidth() / bins.count;
  svg += "<g class=\"bars\">";
  for (const BarSegment& segment : stackedBars(counts, values.top, frame.plotHeight)) {
    svg += "<rect x=\"" + coordinate(frame.left + slot * (segment.bin + 0.12)) + "\" y=\"" +
           coordinate(frame.top + segment.top) + "\" width=\"" + coordinate(slot * 0.76) +
           "\" height=\"" + coordinate(segment.height) + "\" fill=\"" +
           seriesFill(text, segment.series) + "\"/>";
  }
  return svg + "</g></svg>";
}

std::string scoreLineChart(const ChartText& text, const TimeBins& bins,
                           const std::vector<ScoreSample>& samples) {
  const ChartFrame frame = chartFrame(text);
  long long highest = 0;
  for (const ScoreSample& sample : samples) highest = std::max(highest, sample.score);
  const AxisTicks values = niceTicks(highest);
  const std::vector<PlotPoint> line =
      scoreSteps(samples, bins.firstHour * 3600, bins.endHour() * 3600, values.top,
                 frame.plotWidth(), frame.plotHeight);
  std::string points;
  for (const PlotPoint& point : line) {
    points += coordinate(frame.left + point.x) + "," + coordinate(frame.top + point.y) + " ";
  }
  const std::string bottom = coordinate(frame.top + frame.plotHeight);
  std::string svg = chartHead(frame, text) + chartAxes(frame, text, values, bins);
  svg += "<polygon class=\"area\" fill=\"" + seriesFill(text, 0) + "\" points=\"" + points +
         coordinate(frame.left + frame.plotWidth()) + "," + bottom + " " +
         coordinate(frame.left) + "," + bottom + "\"/>";
  points.pop_back();
  svg += "<polyline class=\"line\" points=\"" + points + "\"/>";
  return svg + "</svg>";
}

}  // namespace velmora::cli::report
