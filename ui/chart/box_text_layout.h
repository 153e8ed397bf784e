#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ui {

// Measures box texts in twips at a font size in points.
class TextMeasure {
  public:
    virtual ~TextMeasure() = default;
    virtual double lineHeight(double pointSize) const = 0;
    virtual double width(std::string_view text, double pointSize) const = 0;
};

// Measures with the program's font as it is painted on the chart display.
class ProgramFontMeasure final : public TextMeasure {
  public:
    double lineHeight(double pointSize) const override;
    double width(std::string_view text, double pointSize) const override;
};

struct BoxGeometry;

// The part of a box that lies between two heights: text set between left and right stays clear
// of the box's edges at every height from top to bottom. Twips, measured in the chart.
struct BoxSpan {
    double left = 0;
    double right = 0;
};
BoxSpan SpanOfBox(const BoxGeometry& box, double top, double bottom);

// The lowest a box's text may reach.
double BottomOfBox(const BoxGeometry& box);

struct PlacedLine {
    std::string text;
    double left = 0;  // twips, measured in the chart
    double top = 0;
    double width = 0;
};

struct BoxTextLayout {
    double pointSize = 0;
    double lineHeight = 0;  // twips
    std::vector<PlacedLine> lines;
    bool fits = true;  // false only when even the smallest arrangement leaves its box
};

// Where the entries of a box text go. The text starts where the box's text begins and grows
// downward, one entry a line, in the chart's own font; a line that would cross the box's edge
// moves sideways just enough to stay inside, or the text starts a little lower. A text too long
// for its box is set smaller, down to kSmallestSingleColumnSize; if that is not enough it may
// start higher in the box; beyond that it is set in columns side by side, at the largest size
// that lets it fit: down to kSmallestSingleColumnSize first, and only then down to
// kSmallestBoxTextSize.
BoxTextLayout LayoutBoxText(const BoxGeometry& box, std::string_view boxText,
                            const TextMeasure& measure);

inline constexpr double kSmallestSingleColumnSize = 7.0;  // points
inline constexpr double kSmallestBoxTextSize = 5.0;       // points

}  // namespace ui
