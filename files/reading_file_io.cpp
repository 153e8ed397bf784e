#include "files/reading_file_io.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <array>

#include "files/file_dialog_texts.h"
#include "files/safe_file.h"

namespace files {

namespace {

// Shown in the window program's language, as the other problems of this folder.
constexpr char kCheckTheFile[] = QT_TRANSLATE_NOOP("FileProblems", "Please Check The File.");

QString Tr(const char* source) {
    return QCoreApplication::translate("FileProblems", source);
}

// What each line holds, as ReadingFileLineName names it, marked here for the translators.
[[maybe_unused]] constexpr std::array<const char*, kReadingFileLineCount> kLineNames{
    QT_TRANSLATE_NOOP("ReadingFileLines", "Name"),
    QT_TRANSLATE_NOOP("ReadingFileLines", "Month"),
    QT_TRANSLATE_NOOP("ReadingFileLines", "Day"),
    QT_TRANSLATE_NOOP("ReadingFileLines", "Year"),
    QT_TRANSLATE_NOOP("ReadingFileLines", "Hour"),
    QT_TRANSLATE_NOOP("ReadingFileLines", "Minute"),
    QT_TRANSLATE_NOOP("ReadingFileLines", "Time zone"),
    QT_TRANSLATE_NOOP("ReadingFileLines", "Longitude degrees"),
    QT_TRANSLATE_NOOP("ReadingFileLines", "Longitude minutes"),
    QT_TRANSLATE_NOOP("ReadingFileLines", "Latitude degrees"),
    QT_TRANSLATE_NOOP("ReadingFileLines", "Latitude minutes"),
    QT_TRANSLATE_NOOP("ReadingFileLines", "East or West"),
    QT_TRANSLATE_NOOP("ReadingFileLines", "North or South"),
    QT_TRANSLATE_NOOP("ReadingFileLines", "Daylight saving"),
    QT_TRANSLATE_NOOP("ReadingFileLines", "City"),
    QT_TRANSLATE_NOOP("ReadingFileLines", "State"),
    QT_TRANSLATE_NOOP("ReadingFileLines", "Country"),
};

// Numbers in the digits of the language spoken (its locale is the default): Bengali's own.
QString InLocaleDigits(const std::string& number) {
    QString text = QString::fromStdString(number);
    const QString zero = QLocale().zeroDigit();
    if (zero.size() == 1 && zero != QLatin1String("0")) {
        for (QChar& c : text) {
            if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
                c = QChar(zero.at(0).unicode() + (c.unicode() - u'0'));
            }
        }
    }
    return text;
}

// "Line 4 (Year)", in the language spoken.
QString LineText(int line) {
    const std::string name(ReadingFileLineName(line));
    //: %1 is the line's number, %2 what it holds ("Year").
    return Tr(QT_TRANSLATE_NOOP("FileProblems", "Line %1 (%2)"))
        .arg(InLocaleDigits(std::to_string(line + 1)),
             QCoreApplication::translate("ReadingFileLines", name.c_str()));
}

QString RefusalText(const ReadingFileRefusal& refusal) {
    using Kind = ReadingFileRefusal::Kind;
    switch (refusal.kind) {
        case Kind::kTooLarge:
            return Tr(
                QT_TRANSLATE_NOOP("FileProblems", "The file is too large to be a saved reading."));
        case Kind::kBinary:
            return Tr(QT_TRANSLATE_NOOP("FileProblems",
                                        "The file holds binary data, not a saved reading."));
        case Kind::kEmpty:
            return Tr(QT_TRANSLATE_NOOP("FileProblems", "The file is empty."));
        case Kind::kControlCharacters:
            //: %1 is the line, as "Line 4 (Year)".
            return Tr(QT_TRANSLATE_NOOP("FileProblems", "%1 holds control characters."))
                .arg(LineText(refusal.line));
        case Kind::kNotANumber:
            return Tr(QT_TRANSLATE_NOOP("FileProblems", "%1 is not a number."))
                .arg(LineText(refusal.line));
        case Kind::kOutsideList:
            //: %1 is the line, %2 the number it holds, %3 and %4 its list's first and last.
            return Tr(QT_TRANSLATE_NOOP("FileProblems",
                                        "%1 holds %2, outside its list of %3 to %4."))
                .arg(LineText(refusal.line), InLocaleDigits(refusal.value),
                     InLocaleDigits(std::to_string(refusal.first)),
                     InLocaleDigits(std::to_string(refusal.last)));
        case Kind::kTooManyDigits:
            return Tr(QT_TRANSLATE_NOOP("FileProblems", "%1 has more digits than the field holds."))
                .arg(LineText(refusal.line));
        case Kind::kNotFieldNumber:
            return Tr(QT_TRANSLATE_NOOP("FileProblems", "%1 is not a number the field holds."))
                .arg(LineText(refusal.line));
        case Kind::kNotTruth:
            return Tr(QT_TRANSLATE_NOOP("FileProblems", "%1 is neither True nor False."))
                .arg(LineText(refusal.line));
    }
    return {};
}

QString EndedEarly(int linesHeld) {
    if (linesHeld <= 0) {
        return Tr(QT_TRANSLATE_NOOP("FileProblems", "The file ended before its first line."));
    }
    const std::string name(ReadingFileLineName(linesHeld - 1));
    //: %1 is the last line's number, %2 what it holds ("State").
    return Tr(QT_TRANSLATE_NOOP("FileProblems",
                                "The file ended after line %1 (%2); the lines after it are empty."))
        .arg(InLocaleDigits(std::to_string(linesHeld)),
             QCoreApplication::translate("ReadingFileLines", name.c_str()));
}

LoadedReadingFile Refusal(const QString& path, const QString& reason) {
    QString text = Tr(kCheckTheFile);
    if (!reason.isEmpty()) {
        text += QStringLiteral("\n\n%1\n%2").arg(QDir::toNativeSeparators(path), reason);
    }
    return {std::nullopt, FileProblem{text, {}}, {}};
}

}  // namespace

std::optional<FileProblem> SaveReadingFile(const QString& path, const reading::BirthData& birth,
                                           int zoneIndex) {
    const std::string bytes = EncodeReadingFile(FieldsForSave(birth, zoneIndex));
    return WriteFileSafely(path, QByteArray::fromStdString(bytes));
}

LoadedReadingFile LoadReadingFile(const QString& path) {
    // Only the exact lower-case extension is a reading file; "chart.VLJ" is refused.
    const QString suffix = QString::fromUtf8(kReadingFileSuffix.data(), kReadingFileSuffix.size());
    if (!path.endsWith(suffix, Qt::CaseSensitive)) {
        return Refusal(path, {});
    }
    ReadingFileRead read = ReadReadingFile(QFile::encodeName(path).toStdString());
    if (!read.fields) {
        // The system's reasons come in its own words.
        return Refusal(
            path, read.refusal ? RefusalText(*read.refusal) : QString::fromStdString(read.problem));
    }
    QString endedEarly;
    if (read.linesHeld < kReadingFileLineCount) {
        endedEarly = EndedEarly(read.linesHeld);
    }
    return {std::move(read.fields), std::nullopt, endedEarly};
}

}  // namespace files
