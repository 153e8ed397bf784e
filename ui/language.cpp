#include "ui/language.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTranslator>
#include <utility>

namespace ui {

namespace {

constexpr char kLanguageKey[] = "language";

}  // namespace

QString LanguageCode(Language language) {
    switch (language) {
        case Language::kBengali:
            return QStringLiteral("bn");
        case Language::kHindi:
            return QStringLiteral("hi");
        case Language::kEnglish:
            break;
    }
    return QStringLiteral("en");
}

namespace {

// The choice is the user's alone, not the machine's: it is kept in the user's settings.
QSettings UserSettings() {
    return QSettings(QStringLiteral("velmora"), QStringLiteral("rashi-chart"));
}

// The locale the program started with, before any language was applied.
const QLocale& StartingLocale() {
    static const QLocale locale;
    return locale;
}

QTranslator& ProgramTranslator() {
    static QTranslator translator;
    return translator;
}

// The translations kept by hand: the zone list's rows and Qt's own dialogs.
QTranslator& ByHandTranslator() {
    static QTranslator translator;
    return translator;
}

Language& Current() {
    static Language language = Language::kEnglish;
    return language;
}

}  // namespace

Language LanguageOfLocale(const QLocale& locale) {
    switch (locale.language()) {
        case QLocale::Bengali:
            return Language::kBengali;
        case QLocale::Hindi:
            return Language::kHindi;
        default:
            return Language::kEnglish;
    }
}

QLocale LocaleOf(Language language) {
    switch (language) {
        case Language::kBengali:
            return QLocale(QLocale::Bengali, QLocale::India);
        case Language::kHindi:
            return QLocale(QLocale::Hindi, QLocale::India);
        case Language::kEnglish:
            break;
    }
    const QLocale& starting = StartingLocale();
    const bool english =
        starting.language() == QLocale::English || starting.language() == QLocale::C;
    return english ? starting : QLocale(QLocale::English, QLocale::UnitedStates);
}

QString OwnName(Language language) {
    switch (language) {
        case Language::kBengali:
            return QStringLiteral("বাংলা");
        case Language::kHindi:
            return QStringLiteral("हिन्दी");
        case Language::kEnglish:
            break;
    }
    return QStringLiteral("English");
}

Language CurrentLanguage() {
    return Current();
}

void ApplyLanguage(Language language) {
    StartingLocale();  // remembered before the first change
    QLocale::setDefault(LocaleOf(language));
    Current() = language;
    // English is the sources' own: no translator, and the texts shown are those in the code.
    // Either way every window gets QEvent::LanguageChange, since removing a translator sends
    // it too.
    const std::pair<QTranslator*, const char*> translators[] = {
        {&ByHandTranslator(), ":/i18n/rashi_by_hand_%1.qm"},
        {&ProgramTranslator(), ":/i18n/rashi_%1.qm"},
    };
    for (const auto& [translator, file] : translators) {
        QCoreApplication::removeTranslator(translator);
        if (language != Language::kEnglish &&
            translator->load(QString::fromLatin1(file).arg(LanguageCode(language)))) {
            QCoreApplication::installTranslator(translator);
        }
    }
}

Language StartingLanguage() {
    const QString stored = UserSettings().value(QString::fromLatin1(kLanguageKey)).toString();
    for (const Language language : kLanguages) {
        if (stored == LanguageCode(language)) {
            return language;
        }
    }
    return LanguageOfLocale(QLocale::system());
}

void RememberLanguage(Language language) {
    UserSettings().setValue(QString::fromLatin1(kLanguageKey), LanguageCode(language));
}

QString WithLanguageDigits(const QString& text) {
    const QString zero = LocaleOf(Current()).zeroDigit();
    if (zero.size() != 1 || zero == QLatin1String("0")) {
        return text;
    }
    QString shown = text;
    for (QChar& c : shown) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            c = QChar(zero.at(0).unicode() + (c.unicode() - u'0'));
        }
    }
    return shown;
}

}  // namespace ui
