#pragma once

#include <QImage>
#include <QMainWindow>
#include <QPointer>

#include <vector>

#include "ui/chart/chart_display_content.h"
#include "ui/chart/chart_style.h"

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QPushButton;
class QScrollArea;
class QToolBar;
class QWheelEvent;

namespace links {
class LinkLabel;
}

namespace ui {

class ChartDisplay;
class DashaWindow;
class PositionsMenu;
class VargaWindow;
class UserDialogs;
struct ReadingSession;

// The chart window (MDI): a frame around the chart display with the commands that act on the
// reading. It lives from the end of a calculation until New, Back or Exit closes it.
class ChartWindow : public QMainWindow {
    Q_OBJECT

  public:
    ChartWindow(ChartDisplayContent content, ReadingSession& session, UserDialogs& dialogs,
                QWidget* parent = nullptr);

    ChartDisplay* display() const { return display_; }

    // The size that shows the whole chart display; the window opens at it where the screen
    // allows.
    QSize fullSize() const;

    // The smallest size at which nothing is cut: the heading, the advertisement line, the
    // buttons and every promotional label whole, and the chart display at half its size. The
    // window never shrinks below it.
    QSize smallestWholeSize() const;

    // The picture of the chart display taken when the window last became active or switched
    // charts: always the chart shown.
    const QImage& lastPicture() const { return lastPicture_; }

    // The display's zoom: 1 shows it as large as the window allows, proportions kept.
    double zoom() const { return zoom_; }
    void zoomIn();
    void zoomOut();
    void resetZoom();
    // Shows one of the sixteen divisional charts; the View menu and the toolbar follow.
    void showChart(ChartKind chart);
    // Draws the chart in a style; the View menu follows. chooseChartStyle also remembers the
    // choice for the next run, as the View menu does.
    void showChartStyle(ChartStyle style);
    void chooseChartStyle(ChartStyle style);

    // Opens the window that lists every body's sign in all sixteen charts, or brings it forward.
    void openVargaWindow();
    VargaWindow* vargaWindow() const;

    // Calculates the birth again with the settings, which become the user's choice for this and
    // later charts; the display, its picture and the dasha window follow.
    void recalculate(const reading::ChartSettings& settings);

    // Opens the reading's Vimshottari dasha window, or brings the open one forward.
    void openDashaWindow();
    DashaWindow* dashaWindow() const;

    // New: shows the input form, then closes this window.
    void startNew();
    // Back: closes this window, then shows the input form.
    void goBack();
    // Exit: closes this window and ends the program.
    void exitProgram();

  signals:
    // The input form should be shown again, its entries kept.
    void formRequested();
    // The program should end: every window closes.
    void exitRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createActions();
    void createChartActions();
    void nameChartActions();
    void createMenus();
    QWidget* createTopPanel();
    QToolBar* createToolBar();
    QWidget* createChartArea(ChartDisplayContent content);
    QWidget* createBottomPanel();
    void applyResizeRule();
    // Shows every text anew in the language now spoken.
    void retranslate();
    void nameAdverts();
    void nameNavamsaButton();
    // The heading names the style shown.
    void nameHeading(ChartStyle style);
    void onToolbarButton(const QString& key);
    void captureChartPicture();
    void closeForForm();
    void setZoom(double zoom);
    void fitDisplay();
    bool zoomByWheel(const QWheelEvent& wheel);

    // The commands that write files and print (chart_window_commands.cpp).
    void saveReadingAs();
    void saveAsJpeg();
    void saveAsPdf();
    void saveAsSvg();
    void exportAsText();
    void printChart();

    ReadingSession& session_;
    UserDialogs& dialogs_;
    ChartDisplay* display_ = nullptr;
    QImage lastPicture_;
    bool closingForForm_ = false;
    double zoom_ = 1.0;
    QPointer<DashaWindow> dashaWindow_;
    QPointer<VargaWindow> vargaWindow_;

    QMdiArea* mdiArea_ = nullptr;
    QScrollArea* scroller_ = nullptr;
    QMdiSubWindow* displayWindow_ = nullptr;
    QWidget* picTop = nullptr;
    QLabel* lblHeading = nullptr;
    links::LinkLabel* lblURL = nullptr;
    QToolBar* TB = nullptr;
    QWidget* Picture1 = nullptr;
    QPushButton* cmdSaveAsJPEG = nullptr;
    QPushButton* cmdBack = nullptr;
    QPushButton* cmdExit = nullptr;
    links::LinkLabel* lblFullBrand = nullptr;
    links::LinkLabel* Label1 = nullptr;
    links::LinkLabel* lblCobrand = nullptr;

    QAction* mnuNew = nullptr;
    QAction* mnuSaveAs = nullptr;
    QAction* mnuSaveAsJpeg = nullptr;
    QAction* mnuSaveAsPdf = nullptr;
    QAction* mnuSaveAsSvg = nullptr;
    QAction* mnuExport = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuBack = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuToolBar = nullptr;
    QAction* mnuZoomIn = nullptr;
    QAction* mnuZoomOut = nullptr;
    QAction* mnuZoomFit = nullptr;
    QAction* mnuRashiChart = nullptr;
    QAction* mnuNavamsaChart = nullptr;
    QAction* mnuDasha = nullptr;
    PositionsMenu* mnuPositions = nullptr;
    std::vector<QAction*> chartActions_;  // the sixteen charts, in the order of kVargaCharts
    std::vector<QAction*> styleActions_;  // in the order of kChartStyles
    QAction* mnuVargas = nullptr;
    QAction* tbNavamsa = nullptr;
    QAction* mnuOnline = nullptr;
    QAction* mnuVisit = nullptr;
    QAction* mnuUpdate = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuDonate = nullptr;
    QAction* mnuMakeMoney = nullptr;
};

}  // namespace ui
