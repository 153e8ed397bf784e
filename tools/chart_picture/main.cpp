// Renders the chart of a sample birth (15 June 1980, 10:30 Indian time, Delhi) to a PNG file:
// the chart display alone, or with --window the whole chart window around it; with --navamsa it
// shows the Navamsa chart; with --language bn or hi it speaks Bengali or Hindi.
//
//   chart-picture [--window] [--navamsa] [--language en|bn|hi] OUTPUT.png
#include <QApplication>
#include <QImage>
#include <QTextStream>
#include <algorithm>

#include "reading/driver.h"
#include "reading/sample_birth.h"
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

QImage RenderDisplay(const ui::ChartDisplayContent& content, ui::ChartKind chart) {
    ui::ChartDisplay display(content);
    display.setChart(chart);
    return display.picture();
}

QImage RenderWindow(const ui::ChartDisplayContent& content, ui::ReadingSession& session,
                    ui::ChartKind chart) {
    NoDialogs dialogs;
    ui::ChartWindow window(content, session, dialogs);
    window.showChart(chart);
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
    QApplication application(argc, argv);
    QTextStream err(stderr);
    QStringList arguments = QApplication::arguments().mid(1);
    const bool wholeWindow = arguments.removeAll(QStringLiteral("--window")) > 0;
    const ui::ChartKind chart = arguments.removeAll(QStringLiteral("--navamsa")) > 0
                                    ? ui::ChartKind::kNavamsa
                                    : ui::ChartKind::kRashi;
    QString languageCode = ui::LanguageCode(ui::Language::kEnglish);
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--language")); at >= 0) {
        languageCode = arguments.value(at + 1);
        arguments.remove(at, std::min<qsizetype>(2, arguments.size() - at));
    }
    const auto language =
        std::find_if(ui::kLanguages.begin(), ui::kLanguages.end(),
                     [&](ui::Language known) { return ui::LanguageCode(known) == languageCode; });
    if (arguments.size() != 1 || language == ui::kLanguages.end()) {
        err << "usage: chart-picture [--window] [--navamsa] [--language en|bn|hi] OUTPUT.png\n";
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

    const QImage image =
        wholeWindow ? RenderWindow(content, session, chart) : RenderDisplay(content, chart);
    if (!image.save(arguments.first(), "PNG")) {
        err << "Cannot write " << arguments.first() << '\n';
        return 1;
    }
    return 0;
}
