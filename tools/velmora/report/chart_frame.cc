#include "report/chart_frame.h"

#include "report/markup.h"
#include "report/series_style.h"

namespace velmora::cli::report {
namespace {

constexpr double kTitleHeight = 26;
constexpr double kLegendRow = 20;
constexpr double kSwatch = 12;
constexpr double kCharWidth = 7.5;  // of a 12-unit label, generously
constexpr double kMinTickSpacing = 46;

std::string at(double x, double y) {
  return "x=\"" + coordinate(x) + "\" y=\"" + coordinate(y) + "\"";
}

}  // namespace

ChartFrame chartFrame(const ChartText& text) {
  ChartFrame frame;
  double x = frame.left;
  double y = kTitleHeight;
  for (const std::string& name : text.series) {
    const double itemWidth = kSwatch + 6 + kCharWidth * static_cast<double>(name.size()) + 18;
    if (x > frame.left && x + itemWidth > frame.width - frame.right) {
      x = frame.left;
      y += kLegendRow;
    }
    frame.legendAt.push_back({x, y});
    x += itemWidth;
  }
  frame.top = y + (text.series.empty() ? 0 : kLegendRow) + 8;
  return frame;
}

std::string seriesFill(const ChartText& text, int series) {
  return "url(#" + text.id + "-" + std::to_string(series) + ")";
}

std::string chartHead(const ChartFrame& frame, const ChartText& text) {
  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " +
                    coordinate(frame.width) + " " + coordinate(frame.height()) +
                    "\" role=\"img\" aria-labelledby=\"" + text.id + "-title\"><title id=\"" +
                    text.id + "-title\">" + escaped(text.title) + "</title><defs>";
  for (std::size_t i = 0; i < text.series.size(); ++i) {
    svg += seriesPattern(text.id + "-" + std::to_string(i), static_cast<int>(i));
  }
  svg += "</defs><text class=\"title\" " + at(frame.left, 17) + ">" + escaped(text.title) +
         "</text>";
  for (std::size_t i = 0; i < text.series.size(); ++i) {
    const PlotPoint& item = frame.legendAt[i];
    svg += "<rect " + at(item.x, item.y) + " width=\"12\" height=\"12\" fill=\"" +
           seriesFill(text, static_cast<int>(i)) + "\" stroke=\"#000\" stroke-width=\".5\"/>";
    svg += "<text " + at(item.x + kSwatch + 5, item.y + 10) + ">" + escaped(text.series[i]) +
           "</text>";
  }
  return svg;
}

std::string chartAxes(const ChartFrame& frame, const ChartText& text, const AxisTicks& values,
                      const TimeBins& bins) {
  const double bottom = frame.top + frame.plotHeight;
  const double right = frame.left + frame.plotWidth();
  std::string svg = "<g class=\"grid\">";
  for (const long long value : values.values) {
    const double y = bottom - frame.plotHeight * static_cast<double>(value) /
                                  static_cast<double>(values.top);
    svg += "<path d=\"M" + coordinate(frame.left) + "," + coordinate(y) + "H" +
           coordinate(right) + "\"/>";
  }
  svg += "</g><g class=\"values\">";
  for (const long long value : values.values) {
    const double y = bottom - frame.plotHeight * static_cast<double>(value) /
                                  static_cast<double>(values.top);
    svg += "<text " + at(frame.left - 6, y + 4) + ">" + compactNumber(value) + "</text>";
  }
  svg += "</g>";

  const double slot = frame.plotWidth() / bins.count;
  svg += "<g class=\"times\">";
  for (const TimeTick& tick : timeTicks(bins, slot, kMinTickSpacing)) {
    const double x = frame.left + slot * tick.bin;
    svg += "<path d=\"M" + coordinate(x) + "," + coordinate(bottom) + "v5\"/>";
    if (!tick.hour.empty()) {
      svg += "<text " + at(x, bottom + 17) + ">" + tick.hour + "</text>";
    }
    if (!tick.day.empty()) {
      svg += "<text class=\"day\" " + at(x, bottom + (tick.hour.empty() ? 17 : 31)) + ">" +
             tick.day + "</text>";
    }
  }
  svg += "</g><path class=\"axis\" d=\"M" + coordinate(frame.left) + "," +
         coordinate(frame.top) + "V" + coordinate(bottom) + "H" + coordinate(right) + "\"/>";
  svg += "<text class=\"axis-title\" " + at(frame.left + frame.plotWidth() / 2, bottom + 52) +
         ">" + escaped(text.xTitle) + "</text>";
  svg += "<text class=\"axis-title\" transform=\"rotate(-90)\" " +
         at(-(frame.top + frame.plotHeight / 2), 14) + ">" + escaped(text.yTitle) + "</text>";
  return svg;
}

}  // namespace velmora::cli::report
