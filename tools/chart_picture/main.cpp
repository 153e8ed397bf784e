// Renders the chart of a sample birth (15 June 1980, 10:30 Indian time, Delhi) to a PNG file:
// the chart display alone, or with --window the whole chart window around it; with --navamsa it
// shows the Navamsa chart, with --chart one of the divisional charts (D1 … D60); with --style
// the chart is drawn in the East (the default), North or South Indian style; with --language bn
// or hi it speaks Bengali or Hindi.
//
//   chart-picture [--window] [--navamsa | --chart D10] [--style east|north|south]
//                 [--language en|bn|hi] OUTPUT.png
#include <QApplication>
#include <QImage>
#include <QTextStream>
#include <algorithm>
#include <optional>

#include "reading/driver.h"
#include "reading/sample_birth.h"
#include "reading/vargas.h"
#include "ui/chart/chart_display_content.h"
#include "ui/chart_display.h"
#include "ui/chart_window.h"
#include "ui/language.h"
#include "ui/reading_session.h"
#include "ui/user_dialogs.h"

namespace {

// The picture never asks anything; every question is answered "no".
class NoDialogs final : public ui::UserDialogs {
  public:
    void showMessage(QWidget*, const QString&, ui::MessageKind, const QString&) override {}
    bool askToProceed(QWidget*, const QString&, const QString&) override { return false; }
    QString askSaveFileName(QWidget*, const ui::FileRequest&) override { return {}; }
    QString askOpenFileName(QWidget*, const ui::FileRequest&) override { return {}; }
    bool askYesNo(QWidget*, const QString&, const QString&) override { return false; }
    QStringList printerNames() override { return {}; }
    bool runPrintDialog(QWidget*, QPrinter&) override { return false; }
    int runModal(QDialog&) override { return 0; }
    bool openWebPage(const QUrl&) override { return false; }
};

// The value after option, taken out of the arguments; nothing when the option is not given.
std::optional<QString> TakeValue(QStringList& arguments, const QString& option, bool* missing) {
    const qsizetype at = arguments.indexOf(option);
    if (at < 0) {
        return std::nullopt;
    }
    if (at + 1 >= arguments.size()) {
        *missing = true;
        return std::nullopt;
    }
    const QString value = arguments.at(at + 1);
    arguments.remove(at, 2);
    return value;
}

QImage RenderDisplay(const ui::ChartDisplayContent& content, ui::ChartKind chart,
                     ui::ChartStyle style) {
    ui::ChartDisplay display(content);
    display.setChart(chart);
    display.setChartStyle(style);
    return display.picture();
}

QImage RenderWindow(const ui::ChartDisplayContent& content, ui::ReadingSession& session,
                    ui::ChartKind chart, ui::ChartStyle style) {
    NoDialogs dialogs;
    ui::ChartWindow window(content, session, dialogs);
    window.showChart(chart);
    window.showChartStyle(style);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    window.resize(window.fullSize());
    QApplication::processEvents();
    QImage image(window.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    window.render(&image);
    window.hide();
    return image;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The options are the tool's own: Qt would take --style for its widget style.
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    int qtArgumentCount = 1;
    QApplication application(qtArgumentCount, argv);
    QTextStream err(stderr);
    const bool wholeWindow = arguments.removeAll(QStringLiteral("--window")) > 0;
    ui::ChartKind chart = arguments.removeAll(QStringLiteral("--navamsa")) > 0
                              ? ui::ChartKind::kNavamsa
                              : ui::ChartKind::kRashi;
    bool bad = false;
    if (const auto key = TakeValue(arguments, QStringLiteral("--chart"), &bad)) {
        bad = true;
        for (int varga = 0; varga < reading::kVargaCount; ++varga) {
            if (QString::fromLatin1(reading::kVargaCharts[varga].key.data(),
                                    reading::kVargaCharts[varga].key.size()) == *key) {
                chart = ui::VargaChart(varga);
                bad = false;
            }
        }
    }
    ui::ChartStyle style = ui::ChartStyle::kEast;
    if (const auto key = TakeValue(arguments, QStringLiteral("--style"), &bad)) {
        const auto chosen = ui::StyleOfKey(key->toStdString());
        bad = bad || !chosen;
        style = chosen.value_or(style);
    }
    const QString languageCode = TakeValue(arguments, QStringLiteral("--language"), &bad)
                                     .value_or(ui::LanguageCode(ui::Language::kEnglish));
    const auto language =
        std::find_if(ui::kLanguages.begin(), ui::kLanguages.end(),
                     [&](ui::Language known) { return ui::LanguageCode(known) == languageCode; });
    if (bad || arguments.size() != 1 || language == ui::kLanguages.end()) {
        err << "usage: chart-picture [--window] [--navamsa | --chart D1…D60] "
               "[--style east|north|south] [--language en|bn|hi] OUTPUT.png\n";
        return 2;
    }
    ui::ApplyLanguage(*language);

    ui::ReadingSession session;
    if (const auto refusal =
            reading::RunCalculation(reading::SampleBirthForm(), session.birth, session.reading)) {
        err << "The sample birth was refused: " << QString::fromStdString(refusal->message) << '\n';
        return 1;
    }
    session.zoneIndex = reading::SampleBirthForm().zoneIndex;
    // With the notes under the chart, as the program shows it.
    const ui::ChartDisplayContent content = ui::DisplayContentOf(session);

    const QImage image = wholeWindow ? RenderWindow(content, session, chart, style)
                                     : RenderDisplay(content, chart, style);
    if (!image.save(arguments.first(), "PNG")) {
        err << "Cannot write " << arguments.first() << '\n';
        return 1;
    }
    return 0;
}
