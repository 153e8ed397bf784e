#include "ui/chart/style_layout.h"

namespace ui {

int StyleLayout::boxOfSign(int sign, std::optional<int> lagnaSign) const {
    if (housesFollowLagna) {
        return (sign - lagnaSign.value_or(0) + kBoxCount) % kBoxCount;
    }
    return sign;
}

std::optional<int> StyleLayout::signOfBox(int box, std::optional<int> lagnaSign) const {
    if (housesFollowLagna) {
        if (!lagnaSign) {
            return std::nullopt;
        }
        return (*lagnaSign + box) % kBoxCount;
    }
    return box;
}

const StyleLayout& LayoutOf(ChartStyle style) {
    static const StyleLayout east = EastLayout();
    static const StyleLayout north = NorthLayout();
    static const StyleLayout south = SouthLayout();
    switch (style) {
        case ChartStyle::kNorth:
            return north;
        case ChartStyle::kSouth:
            return south;
        case ChartStyle::kEast:
            break;
    }
    return east;
}

BoxTexts TextsByBox(const StyleLayout& layout, const BoxTexts& signTexts,
                    std::optional<int> lagnaSign) {
    BoxTexts boxes;
    for (int sign = 0; sign < kBoxCount; ++sign) {
        boxes[layout.boxOfSign(sign, lagnaSign)] = signTexts[sign];
    }
    return boxes;
}

layout::TwipsLine LagnaMark(const BoxGeometry& box) {
    int right = box.outline.front().left;
    int top = box.outline.front().top;
    for (const auto& corner : box.outline) {
        right = std::max(right, corner.left);
        top = std::min(top, corner.top);
    }
    constexpr int kMarkLength = 300;
    return {right - kMarkLength, top, right, top + kMarkLength};
}

}  // namespace ui
