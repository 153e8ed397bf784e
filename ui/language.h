#pragma once

#include <QLocale>
#include <QString>
#include <array>

namespace ui {

// The languages the window program speaks. English is the language of the sources and the
// default; the reading file, the text report and the command line stay English whatever is chosen.
enum class Language { kEnglish, kBengali, kHindi };
inline constexpr std::array<Language, 3> kLanguages{Language::kEnglish, Language::kBengali,
                                                    Language::kHindi};

// The language a locale asks for: Bengali and Hindi by their language, English for any other.
Language LanguageOfLocale(const QLocale& locale);

// The locale whose dates, month names and digits go with a language: for English the
// system's own when it is English, so its date order is kept.
QLocale LocaleOf(Language language);

// The language's code: "en", "bn" or "hi", as the settings keep it.
QString LanguageCode(Language language);

// The language's own name in its own script, as a menu offers it.
QString OwnName(Language language);

// The language the program speaks now.
Language CurrentLanguage();

// Speaks the language from now on: its translations are installed, the default locale follows,
// and every window gets QEvent::LanguageChange to show its texts anew.
void ApplyLanguage(Language language);

// The language chosen in an earlier run, else the one the system's locale asks for.
Language StartingLanguage();

// Keeps the choice for the next run.
void RememberLanguage(Language language);

// A text's ASCII digits written in the language's own digits where its readers expect them:
// Bengali digits in Bengali; Hindi keeps the international digits, as its readers do.
QString WithLanguageDigits(const QString& text);

}  // namespace ui
