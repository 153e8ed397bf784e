#include "ui/chart/box_placement.h"

#include "reading/sign_tables.h"

namespace ui {

namespace {

std::optional<int> BoxOfSign(std::string_view abbreviation) {
    for (int k = 0; k < kBoxCount; ++k) {
        if (reading::SignAbbreviationTable[k] == abbreviation) {
            return k;
        }
    }
    return std::nullopt;
}

void AddEntry(std::string& boxText, std::string_view entry) {
    if (!boxText.empty()) {
        boxText += kBoxLineBreak;
    }
    boxText += entry;
}

// "Asc" in the Lagna's box, then the bodies' labels in the boxes of their signs; the box of a
// body is found by box(body), which may find none.
template <typename BoxOfBody>
BoxTexts Place(std::string_view lagnaSign, const reading::BodyTexts& labels, BoxOfBody box) {
    BoxTexts boxes;
    if (const auto lagnaBox = BoxOfSign(lagnaSign)) {
        boxes[*lagnaBox] = "Asc";
    }
    for (int body = 0; body < reading::kChartBodyCount; ++body) {
        if (const std::optional<int> found = box(body)) {
            AddEntry(boxes[*found], labels[body]);
        }
    }
    return boxes;
}

}  // namespace

std::optional<int> BoxOfPosition(std::string_view positionText) {
    // Characters 4 to 6, counted from 1.
    constexpr std::size_t kSignStart = 3;
    constexpr std::size_t kSignLength = 3;
    if (positionText.size() < kSignStart + kSignLength) {
        return std::nullopt;
    }
    return BoxOfSign(positionText.substr(kSignStart, kSignLength));
}

BoxTexts PlaceInBoxes(std::string_view lagnaSign, const reading::BodyTexts& labels,
                      const reading::BodyTexts& positions) {
    return Place(lagnaSign, labels, [&](int body) { return BoxOfPosition(positions[body]); });
}

BoxTexts PlaceVargaInBoxes(const reading::VargaSigns::value_type& signs,
                           const reading::BodyTexts& labels) {
    return Place(reading::SignAbbreviationTable[signs[reading::kAscendant]], labels,
                 [&](int body) { return std::optional<int>(signs[body]); });
}

std::optional<int> SignOfAbbreviation(std::string_view abbreviation) {
    return BoxOfSign(abbreviation);
}

std::vector<std::string> BoxEntries(std::string_view boxText) {
    std::vector<std::string> entries;
    if (boxText.empty()) {
        return entries;
    }
    std::size_t start = 0;
    while (true) {
        const std::size_t end = boxText.find(kBoxLineBreak, start);
        entries.emplace_back(boxText.substr(start, end - start));
        if (end == std::string_view::npos) {
            break;
        }
        start = end + kBoxLineBreak.size();
    }
    return entries;
}

}  // namespace ui
