// What --help says against what the manual page says.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#include "cli/options.h"

namespace cli {
namespace {

// Words only: no capitals, full stops, font requests or line breaks.
QString Words(QString text) {
    text.replace(QStringLiteral("\\-"), QStringLiteral("-"));
    text.remove(QRegularExpression(QStringLiteral("^\\.(TP|B|BR|I)( |$)"),
                                   QRegularExpression::MultilineOption));
    text.remove(u'.');
    return text.toLower().simplified();
}

// A reader of either must learn the same statuses for the same outcomes.
TEST(HelpText, ExitStatusesAreThoseOfTheManualPage) {
    const QString help = QString::fromStdString(UsageText());
    const qsizetype helpStart = help.indexOf(QStringLiteral("Exit status:\n"));
    ASSERT_GE(helpStart, 0);
    const qsizetype helpEnd = help.indexOf(QStringLiteral("\n\n"), helpStart);
    const QString helpStatuses =
        help.mid(helpStart + 13, helpEnd < 0 ? -1 : helpEnd - helpStart - 13);

    QFile page(QStringLiteral(RASHI_MANUAL_PAGE));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << RASHI_MANUAL_PAGE;
    const QString manual = QString::fromUtf8(page.readAll());
    const qsizetype pageStart = manual.indexOf(QStringLiteral(".SH EXIT STATUS\n"));
    ASSERT_GE(pageStart, 0);
    const qsizetype pageEnd = manual.indexOf(QStringLiteral("\n.SH "), pageStart + 1);
    const QString pageStatuses = manual.mid(pageStart + 16, pageEnd - pageStart - 16);

    EXPECT_EQ(Words(helpStatuses).toStdString(), Words(pageStatuses).toStdString());
    EXPECT_TRUE(Words(helpStatuses).contains(QStringLiteral("--find found no place")));
}

}  // namespace
}  // namespace cli
