#include "ui/form_messages.h"

#include <QCoreApplication>
#include <array>

namespace ui {

namespace {

// The checks' messages as they write them, the coordinates' limits filled in. A test checks
// that every refusal the checks give has its translation.
[[maybe_unused]] constexpr std::array kMessages{
    QT_TRANSLATE_NOOP("FormMessages", "Please Enter Your Name"),
    QT_TRANSLATE_NOOP("FormMessages", "Please Enter Degree of Latitude"),
    QT_TRANSLATE_NOOP("FormMessages", "Please Enter Minutes of Latitude"),
    QT_TRANSLATE_NOOP("FormMessages", "Please Enter Degree of Longitude"),
    QT_TRANSLATE_NOOP("FormMessages", "Please Enter Minute of Longitude"),
    QT_TRANSLATE_NOOP("FormMessages", "Please Enter Your City name"),
    QT_TRANSLATE_NOOP("FormMessages", "Please Enter Your State name"),
    QT_TRANSLATE_NOOP("FormMessages", "Please Enter Your Country name"),
    QT_TRANSLATE_NOOP("FormMessages", "Please Select Direction For The Latitude"),
    QT_TRANSLATE_NOOP("FormMessages", "Please Select Direction For The Longitude"),
    QT_TRANSLATE_NOOP("FormMessages", "Please Enter Correct Date Or Month!"),
    QT_TRANSLATE_NOOP("FormMessages", "Please Enter Correct Date Or Month !"),
    QT_TRANSLATE_NOOP("FormMessages", "Please Enter Degree of Latitude from 0 to 90"),
    QT_TRANSLATE_NOOP("FormMessages", "Please Enter Degree of Longitude from 0 to 180"),
    QT_TRANSLATE_NOOP("FormMessages", "Please Enter Minutes of Latitude from 0 to 59"),
    QT_TRANSLATE_NOOP("FormMessages", "Please Enter Minute of Longitude from 0 to 59"),
    QT_TRANSLATE_NOOP("FormMessages",
                      "Please Enter 0 Minutes of Latitude with 90 Degree "
                      "(Latitude goes from 0 to 90 Degree)"),
    QT_TRANSLATE_NOOP("FormMessages",
                      "Please Enter 0 Minute of Longitude with 180 Degree "
                      "(Longitude goes from 0 to 180 Degree)"),
    QT_TRANSLATE_NOOP("FormMessages", "Please enter only numbers"),
    QT_TRANSLATE_NOOP("FormMessages",
                      "Please choose the date, the time and the time zone from the lists"),
};

}  // namespace

QString FormMessage(const std::string& english) {
    return QCoreApplication::translate("FormMessages", english.c_str());
}

}  // namespace ui
