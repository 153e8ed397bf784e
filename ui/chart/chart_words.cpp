#include "ui/chart/chart_words.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <array>

#include "reading/body_names.h"
#include "reading/dasha_lords.h"
#include "reading/sign_tables.h"
#include "reading/vargas.h"
#include "ui/language.h"
#include "ui/qt_text.h"

namespace ui {

namespace {

// All of the chart's words share one context, so a name translates the same wherever it is shown.
constexpr char kContext[] = "ChartWords";

// The words as the translators see them; each list is checked below against the reading's own
// table, so a name changed there cannot lose its translation unnoticed.
constexpr std::array<std::string_view, reading::kChartBodyCount> kLabelWords{
    QT_TRANSLATE_NOOP("ChartWords", "Surya"),   QT_TRANSLATE_NOOP("ChartWords", "Chandra"),
    QT_TRANSLATE_NOOP("ChartWords", "Budha"),   QT_TRANSLATE_NOOP("ChartWords", "Shukra"),
    QT_TRANSLATE_NOOP("ChartWords", "Mangala"), QT_TRANSLATE_NOOP("ChartWords", "Guru"),
    QT_TRANSLATE_NOOP("ChartWords", "Shani"),   QT_TRANSLATE_NOOP("ChartWords", "Rahu"),
    QT_TRANSLATE_NOOP("ChartWords", "Ketu")};

constexpr std::array<std::string_view, 12> kRashiWords{
    QT_TRANSLATE_NOOP("ChartWords", "Mesha"),   QT_TRANSLATE_NOOP("ChartWords", "Vrishabha"),
    QT_TRANSLATE_NOOP("ChartWords", "Mithuna"), QT_TRANSLATE_NOOP("ChartWords", "Kataka"),
    QT_TRANSLATE_NOOP("ChartWords", "Simha"),   QT_TRANSLATE_NOOP("ChartWords", "Kanya"),
    QT_TRANSLATE_NOOP("ChartWords", "Thula"),   QT_TRANSLATE_NOOP("ChartWords", "Vrishcika"),
    QT_TRANSLATE_NOOP("ChartWords", "Dhanush"), QT_TRANSLATE_NOOP("ChartWords", "Makara"),
    QT_TRANSLATE_NOOP("ChartWords", "Kumbha"),  QT_TRANSLATE_NOOP("ChartWords", "Meena")};

constexpr std::array<std::string_view, 12> kAbbreviationWords{
    QT_TRANSLATE_NOOP("ChartWords", "Ari"), QT_TRANSLATE_NOOP("ChartWords", "Tau"),
    QT_TRANSLATE_NOOP("ChartWords", "Gem"), QT_TRANSLATE_NOOP("ChartWords", "Can"),
    QT_TRANSLATE_NOOP("ChartWords", "Leo"), QT_TRANSLATE_NOOP("ChartWords", "Vir"),
    QT_TRANSLATE_NOOP("ChartWords", "Lib"), QT_TRANSLATE_NOOP("ChartWords", "Sco"),
    QT_TRANSLATE_NOOP("ChartWords", "Sag"), QT_TRANSLATE_NOOP("ChartWords", "Cap"),
    QT_TRANSLATE_NOOP("ChartWords", "Aqu"), QT_TRANSLATE_NOOP("ChartWords", "Pis")};

constexpr std::array<std::string_view, reading::kNakshatraCount + 1> kNakshatraWords{
    QT_TRANSLATE_NOOP("ChartWords", "Aswini"), QT_TRANSLATE_NOOP("ChartWords", "Bharani"),
    QT_TRANSLATE_NOOP("ChartWords", "Krittika"), QT_TRANSLATE_NOOP("ChartWords", "Rohini"),
    QT_TRANSLATE_NOOP("ChartWords", "Mrigsira"), QT_TRANSLATE_NOOP("ChartWords", "Ardra"),
    QT_TRANSLATE_NOOP("ChartWords", "Punarvasu"), QT_TRANSLATE_NOOP("ChartWords", "Pushya"),
    QT_TRANSLATE_NOOP("ChartWords", "Aslesha"), QT_TRANSLATE_NOOP("ChartWords", "Magha"),
    QT_TRANSLATE_NOOP("ChartWords", "Purbha Phalguni"),
    QT_TRANSLATE_NOOP("ChartWords", "Uttara Phalguni"), QT_TRANSLATE_NOOP("ChartWords", "Hasta"),
    QT_TRANSLATE_NOOP("ChartWords", "Chitra"), QT_TRANSLATE_NOOP("ChartWords", "Swati"),
    QT_TRANSLATE_NOOP("ChartWords", "Vishakha"), QT_TRANSLATE_NOOP("ChartWords", "Anuradha"),
    QT_TRANSLATE_NOOP("ChartWords", "Jyeshtha"), QT_TRANSLATE_NOOP("ChartWords", "Mula"),
    QT_TRANSLATE_NOOP("ChartWords", "Purva Ashadha"),
    QT_TRANSLATE_NOOP("ChartWords", "Uttara Ashadha"), QT_TRANSLATE_NOOP("ChartWords", "Shravana"),
    QT_TRANSLATE_NOOP("ChartWords", "Dhanishtha"), QT_TRANSLATE_NOOP("ChartWords", "Shatbisha"),
    QT_TRANSLATE_NOOP("ChartWords", "Poorva Bhadrapada"),
    QT_TRANSLATE_NOOP("ChartWords", "Uttara Bhadrapada"), QT_TRANSLATE_NOOP("ChartWords", "Revati"),
    // The lord table's second spelling of Dhanishtha.
    QT_TRANSLATE_NOOP("ChartWords", "Dhanistha")};

constexpr std::array<std::string_view, reading::kDashaLordCount> kLordWords{
    QT_TRANSLATE_NOOP("ChartWords", "Ketu"),    QT_TRANSLATE_NOOP("ChartWords", "Venus"),
    QT_TRANSLATE_NOOP("ChartWords", "Sun"),     QT_TRANSLATE_NOOP("ChartWords", "Moon"),
    QT_TRANSLATE_NOOP("ChartWords", "Mars"),    QT_TRANSLATE_NOOP("ChartWords", "Rahu"),
    QT_TRANSLATE_NOOP("ChartWords", "Jupiter"), QT_TRANSLATE_NOOP("ChartWords", "Saturn"),
    QT_TRANSLATE_NOOP("ChartWords", "Mercury")};

// The sixteen divisional charts, named in the chart's centre, the View menu and the table.
constexpr std::array<std::string_view, reading::kVargaCount> kVargaWords{
    QT_TRANSLATE_NOOP("ChartWords", "Rashi"),
    QT_TRANSLATE_NOOP("ChartWords", "Hora"),
    QT_TRANSLATE_NOOP("ChartWords", "Drekkana"),
    QT_TRANSLATE_NOOP("ChartWords", "Chaturthamsa"),
    QT_TRANSLATE_NOOP("ChartWords", "Saptamsa"),
    QT_TRANSLATE_NOOP("ChartWords", "Navamsa"),
    QT_TRANSLATE_NOOP("ChartWords", "Dasamsa"),
    QT_TRANSLATE_NOOP("ChartWords", "Dwadasamsa"),
    QT_TRANSLATE_NOOP("ChartWords", "Shodasamsa"),
    QT_TRANSLATE_NOOP("ChartWords", "Vimsamsa"),
    QT_TRANSLATE_NOOP("ChartWords", "Chaturvimsamsa"),
    QT_TRANSLATE_NOOP("ChartWords", "Bhamsa"),
    QT_TRANSLATE_NOOP("ChartWords", "Trimsamsa"),
    QT_TRANSLATE_NOOP("ChartWords", "Khavedamsa"),
    QT_TRANSLATE_NOOP("ChartWords", "Akshavedamsa"),
    QT_TRANSLATE_NOOP("ChartWords", "Shashtiamsa")};

//: The ascendant's row in the table of the divisional charts.
constexpr std::string_view kAscendantName = QT_TRANSLATE_NOOP("ChartWords", "Ascendant");
//: The ascendant's entry in the chart's boxes.
constexpr std::string_view kAscendantWord = QT_TRANSLATE_NOOP("ChartWords", "Asc");
//: The retrograde mark behind a planet's label (vakri).
constexpr std::string_view kRetrogradeWord = QT_TRANSLATE_NOOP("ChartWords", "(R)");

template <std::size_t N, std::size_t M>
constexpr bool SameWords(const std::array<std::string_view, N>& words,
                         const std::array<std::string_view, M>& table) {
    return std::equal(words.begin(), words.begin() + std::min(N, M), table.begin());
}
static_assert(SameWords(kLabelWords, reading::kPlanetLabels));
static_assert(SameWords(kRashiWords, reading::RashiNames));
static_assert(SameWords(kAbbreviationWords, reading::SignAbbreviationTable));
static_assert(SameWords(kNakshatraWords, reading::NakshatraNames));
static_assert(kAscendantName == reading::kPlanetNames[reading::kNavamsaBodyCount - 1]);
static_assert([] {
    for (int varga = 0; varga < reading::kVargaCount; ++varga) {
        if (kVargaWords[varga] != reading::kVargaCharts[varga].name) {
            return false;
        }
    }
    return true;
}());
static_assert(kNakshatraWords.back() == reading::NakshatraLordTable[29].nakshatra);
static_assert([] {
    for (int lord = 0; lord < reading::kDashaLordCount; ++lord) {
        if (kLordWords[lord] != reading::kDashaLords[lord].name) {
            return false;
        }
    }
    return true;
}());

constexpr std::string_view kRetrogradeMark = " (R) ";

QString Translated(std::string_view english) {
    const std::string source(english);
    return QCoreApplication::translate(kContext, source.c_str());
}

}  // namespace

QString ChartWord(std::string_view english) {
    return Translated(english);
}

QString BoxEntryWord(std::string_view entry) {
    if (entry.size() > kRetrogradeMark.size() && entry.ends_with(kRetrogradeMark)) {
        const std::string_view label = entry.substr(0, entry.size() - kRetrogradeMark.size());
        // Spaced as the reading spaces it, so the English entry stays as it was.
        return Translated(label) + QLatin1Char(' ') + Translated(kRetrogradeWord) +
               QLatin1Char(' ');
    }
    return Translated(entry == "Asc" ? kAscendantWord : entry);
}

QString PositionWords(std::string_view text) {
    QStringList words = QStringOf(text).split(QLatin1Char(' '));
    for (QString& word : words) {
        if (!word.isEmpty() && word.front().isLetter()) {
            word = Translated(word.toStdString());
        }
    }
    return WithLanguageDigits(words.join(QLatin1Char(' ')));
}

}  // namespace ui
