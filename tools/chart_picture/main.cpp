// Renders the chart of a sample birth (15 June 1980, 10:30 Indian time, Delhi) to a PNG file:
// the chart display alone, or with --window the whole chart window around it.
//
//   chart-picture [--window] OUTPUT.png
#include <QApplication>
#include <QImage>
#include <QTextStream>

#include "reading/driver.h"
#include "ui/chart_display.h"
#include "ui/chart_display_content.h"
#include "ui/chart_window.h"
#include "ui/reading_session.h"
#include "ui/user_dialogs.h"

namespace {

reading::FormValues SampleBirth() {
    reading::FormValues form;
    form.name = "Asha Rao";
    form.dayIndex = 15 - 1;
    form.monthIndex = 6 - 1;
    form.yearIndex = 1980 - reading::kFirstYear;
    form.hourIndex = 10;
    form.minuteIndex = 30;
    form.zoneIndex = 34;  // "Indian Time, IST, +5.3"
    form.latitudeDegrees = "28";
    form.latitudeMinutes = "37";
    form.north = true;
    form.longitudeDegrees = "77";
    form.longitudeMinutes = "13";
    form.east = true;
    form.city = "Delhi";
    form.state = "Delhi";
    form.country = "India";
    return form;
}

// The picture never asks anything; every question is answered "no".
class NoDialogs final : public ui::UserDialogs {
  public:
    void showMessage(QWidget*, const QString&, ui::MessageKind, const QString&) override {}
    QString askSaveFileName(QWidget*, const ui::FileRequest&) override { return {}; }
    QString askOpenFileName(QWidget*, const ui::FileRequest&) override { return {}; }
    bool runPrintDialog(QWidget*, QPrinter&) override { return false; }
    int runModal(QDialog&) override { return 0; }
    bool openWebPage(const QUrl&) override { return false; }
};

QImage RenderDisplay(const ui::ChartDisplayContent& content) {
    const ui::ChartDisplay display(content);
    return display.picture();
}

QImage RenderWindow(const ui::ChartDisplayContent& content, ui::ReadingSession& session) {
    NoDialogs dialogs;
    ui::ChartWindow window(content, session, dialogs);
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
    if (arguments.size() != 1) {
        err << "usage: chart-picture [--window] OUTPUT.png\n";
        return 2;
    }

    ui::ReadingSession session;
    if (const auto refusal =
            reading::RunCalculation(SampleBirth(), session.birth, session.reading)) {
        err << "The sample birth was refused: " << QString::fromStdString(refusal->message) << '\n';
        return 1;
    }
    session.zoneIndex = SampleBirth().zoneIndex;
    const ui::ChartDisplayContent content =
        ui::FillDisplay(session.birth, session.reading, ui::MonthNameForUser(session.birth.month));

    const QImage image = wholeWindow ? RenderWindow(content, session) : RenderDisplay(content);
    if (!image.save(arguments.first(), "PNG")) {
        err << "Cannot write " << arguments.first() << '\n';
        return 1;
    }
    return 0;
}
