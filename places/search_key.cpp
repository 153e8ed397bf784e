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
        default:
            return QString(letter);
    }
}

}  // namespace

std::string SearchKey(std::string_view utf8) {
    const QString decomposed = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()))
                                   .toCaseFolded()
                                   .normalized(QString::NormalizationForm_D);
    QString key;
    key.reserve(decomposed.size());
    bool blankPending = false;
    for (const QChar c : decomposed) {
        if (c.isMark() || c == u'\'' || c == u'\u2019' || c == u'.' || c == u'\u200c') {
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
