#pragma once

#include <QString>
#include <string_view>

namespace ui {

// The program's texts are UTF-8 wherever they come from: tables, records or the user.
inline QString QStringOf(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace ui
