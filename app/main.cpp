// The window program: one copy at a time, starting with the input form.
#include <QApplication>

#include "ui/language.h"
#include "ui/program_fonts.h"
#include "ui/rashi_program.h"
#include "ui/single_instance.h"
#include "ui/toolbar_icons.h"
#include "ui/user_dialogs.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("rashi-chart"));
    // No display name: the window system would append it to every window's title, and each
    // window's title is its caption alone.
    QApplication::setWindowIcon(ui::ProgramIcon());
    // Every window, message box and dialog speaks in the program's own shipped font.
    QApplication::setFont(ui::ProgramFont(8.25));
    QGuiApplication::setDesktopFileName(QStringLiteral("rashi-chart"));
    // The input form stays hidden while a chart is shown; the program ends when it says so.
    QApplication::setQuitOnLastWindowClosed(false);

    // The language chosen in an earlier run, else the system's, before any window shows a text.
    ui::ApplyLanguage(ui::StartingLanguage());

    ui::QtUserDialogs dialogs;
    ui::SingleInstanceLock lock;
    if (!ui::AcquireSingleInstance(lock, dialogs)) {
        return 0;
    }

    ui::RashiProgram program(dialogs);
    QObject::connect(&lock, &ui::SingleInstanceLock::showRequested, &program,
                     &ui::RashiProgram::bringToFront);
    QObject::connect(&program, &ui::RashiProgram::finished, &application, &QApplication::quit,
                     Qt::QueuedConnection);
    program.start();
    return application.exec();
}
