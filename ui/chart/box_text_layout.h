#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ui {

// Where a text's letters leave ink, in twips from the top-left corner of its line.
struct InkBox {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// Measures box texts in twips at a font size in points.
class TextMeasure {
  public:
    virtual ~TextMeasure() = default;
    virtual double lineHeight(double pointSize) const = 0;
    virtual double width(std::string_view text, double pointSize) const = 0;
    virtual InkBox ink(std::string_view text, double pointSize) const = 0;
};

// Measures with the program's font as it is painted on the chart display.
class ProgramFontMeasure final : public TextMeasure {
  public:
    double lineHeight(double pointSize) const override;
    double width(std::string_view text, double pointSize) const override;
    InkBox ink(std::string_view text, double pointSize) const override;
};

// How far a box text's ink keeps from each side of its box, measured square to the side, in
// twips. The chart's own places for its texts leave the tallest Latin letters 28 twips below the
// top line; a slanting line, drawn smooth, looks heavier and keeps a wider berth.
inline constexpr double kUprightSideClearance = 25;
inline constexpr double kSlantingSideClearance = 45;

struct BoxGeometry;

// The part of a box that lies between two heights: ink between left and right keeps its
// clearance from the box's sides at every height from top to bottom. Twips, in the chart.
struct BoxSpan {
    double left = 0;
    double right = 0;
};
BoxSpan SpanOfBox(const BoxGeometry& box, double top, double bottom);

// The highest and the lowest a box's ink may reach.
double TopOfBox(const BoxGeometry& box);
double BottomOfBox(const BoxGeometry& box);

struct PlacedLine {
    std::string text;
    double left = 0;  // twips, measured in the chart
    double top = 0;
    double width = 0;
    InkBox ink;  // where its letters are drawn, in the chart
};

struct BoxTextLayout {
    double pointSize = 0;
    double lineHeight = 0;  // twips from one line's top to the next's
    std::vector<PlacedLine> lines;
    bool fits = true;  // false only when even the smallest arrangement leaves its box
};

// Where the entries of a box text go. The text starts where the box's text begins and grows
// downward, one entry a line, in the chart's own font; a line whose ink would come too near a side
// of the box moves sideways just enough to keep clear, or the text starts a little lower. Lines
// stand far enough apart that the ink of one (the tall letters of the Indian scripts) never
// meets the next's. A text too long
// for its box is set smaller, down to kSmallestSingleColumnSize; if that is not enough it may
// start higher in the box; beyond that it is set in columns side by side, at the largest size
// that lets it fit: down to kSmallestSingleColumnSize first, and only then down to
// kSmallestBoxTextSize.
BoxTextLayout LayoutBoxText(const BoxGeometry& box, std::string_view boxText,
                            const TextMeasure& measure);

inline constexpr double kSmallestSingleColumnSize = 7.0;  // points
inline constexpr double kSmallestBoxTextSize = 5.0;       // points

}  // namespace ui
