#include "places/search_key.h"

#include <QString>

namespace places {

namespace {

// Letters that stand alone rather than as a base letter with a mark, and their usual spelling
// in plain letters.
QString PlainSpelling(QChar letter) {
    switch (letter.unicode()) {
        case u'ß':
            return QStringLiteral("ss");
        case u'æ':
            return QStringLiteral("ae");
        case u'œ':
            return QStringLiteral("oe");
        case u'þ':
            return QStringLiteral("th");
        case u'ø':
            return QStringLiteral("o");
        case u'đ':
        case u'ð':
            return QStringLiteral("d");
        case u'ł':
            return QStringLiteral("l");
        case u'ı':
            return QStringLiteral("i");
        case u'ħ':
            return QStringLiteral("h");
        case u'ə':  // Azerbaijani, spelt "a" in plain letters: Gəncə → Ganca
        case u'ǝ':  // the turned e that Azerbaijani names are also written with
            return QStringLiteral("a");
        default:
            return QString(letter);
    }
}

// Marks of elision and of the glottal stop that names are written with ("Oʻzbekiston",
// "Al ‘Ubaydīyah"): dropped like the apostrophe.
bool IsApostrophe(QChar c) {
    switch (c.unicode()) {
        case u'\'':
        case u'\u2018':  // ‘
        case u'\u2019':  // ’
        case u'\u02BB':  // ʻ
        case u'\u02BC':  // ʼ
        case u'\u02BE':  // ʾ
        case u'\u02BF':  // ʿ
            return true;
        default:
            return false;
    }
}

}  // namespace

std::string SearchKey(std::string_view utf8) {
    // Decomposed before folding: the dotted capital İ has no single-letter lower case, but as
    // I and a combining dot it folds to i like every other capital.
    const QString decomposed = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()))
                                   .normalized(QString::NormalizationForm_D)
                                   .toCaseFolded();
    QString key;
    key.reserve(decomposed.size());
    bool blankPending = false;
    for (const QChar c : decomposed) {
        if (c.isMark() || IsApostrophe(c) || c == u'.' || c == u'\u200c') {
            continue;
        }
        if (c.isSpace() || c == u'-' || c == u',') {
            blankPending = !key.isEmpty();
            continue;
        }
        if (blankPending) {
            key += u' ';
            blankPending = false;
        }
        key += PlainSpelling(c);
    }
    return key.toStdString();
}

}  // namespace places
