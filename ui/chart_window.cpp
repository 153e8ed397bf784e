#include "ui/chart_window.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QToolBar>
#include <QVBoxLayout>
#include <array>

#include "links/link_label.h"
#include "links/vendor_pages.h"
#include "ui/chart/chart_painter.h"
#include "ui/chart_display.h"
#include "ui/chart_style_choice.h"
#include "ui/enter_presses_button.h"
#include "ui/language_menu.h"
#include "ui/positions_menu.h"
#include "ui/program_fonts.h"
#include "ui/program_texts.h"
#include "ui/reading_session.h"
#include "ui/toolbar_icons.h"
#include "ui/translated_texts.h"
#include "ui/twips.h"
#include "ui/user_dialogs.h"
#include "ui/window_sizing.h"

namespace ui {

namespace {

constexpr int kTopPanelHeight = 900;  // twips
constexpr int kHeadingTop = 0;
constexpr int kAdvertTop = 400;
constexpr int kBottomPanelHeight = 765;
constexpr int kButtonTop = 120;
constexpr int kButtonHeight = 400;
constexpr int kJpegButtonWidth = 1695;
constexpr int kButtonWidth = 1095;
constexpr int kRightMargin = 300;
constexpr int kButtonGap = 100;
constexpr int kLabelMargin = 6;  // pixels around the promotional labels

// Where Save As JPEG stands in a window of the given width, all in pixels: the three buttons
// stay right-aligned.
int JpegButtonLeft(int windowWidth) {
    const int exitLeft = PixelsToTwips(windowWidth) - kButtonWidth - kRightMargin;
    return TwipsToWholePixels(exitLeft - kButtonWidth - kJpegButtonWidth - 2 * kButtonGap);
}

// The shares of the room left of the buttons: the two long labels twice as wide as the short one.
constexpr std::array<int, 3> kLabelShares{2, 1, 2};
constexpr int kShareCount = 5;

// The heading names the style of the chart shown, in the order of kChartStyles.
constexpr std::array<const char*, 3> kHeadings{
    QT_TRANSLATE_NOOP("ui::ChartWindow", "Velmora Astrology Rashi Chart (East Indian Style)"),
    QT_TRANSLATE_NOOP("ui::ChartWindow", "Velmora Astrology Rashi Chart (North Indian Style)"),
    QT_TRANSLATE_NOOP("ui::ChartWindow", "Velmora Astrology Rashi Chart (South Indian Style)"),
};
static_assert(kHeadings.size() == kChartStyles.size());

int LabelRoom(int windowWidth) {
    return std::max(0, JpegButtonLeft(windowWidth) - 4 * kLabelMargin);
}

QWidget* ColouredPanel(const char* name, int heightTwips, QWidget* parent) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFixedHeight(TwipsToWholePixels(heightTwips));
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, QColor(kChartColour));
    palette.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(palette);
    return panel;
}

}  // namespace

ChartWindow::ChartWindow(ChartDisplayContent content, ReadingSession& session, UserDialogs& dialogs,
                         QWidget* parent)
    : QMainWindow(parent), session_(session), dialogs_(dialogs) {
    setObjectName(QStringLiteral("MDI"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromLatin1(kMainWindowCaption));
    setWindowIcon(ProgramIcon());
    setFont(ProgramFont(8.25));

    createActions();
    createMenus();

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(createTopPanel());
    column->addWidget(createToolBar());
    column->addWidget(createChartArea(std::move(content)), 1);
    column->addWidget(createBottomPanel());
    setCentralWidget(central);
    PressButtonsOnEnter(this);
    showChartStyle(RememberedChartStyle());

    // Large enough to show the whole chart display where the screen allows it, frame included.
    QSize initial = fullSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        initial = OpeningSize(initial, screen->availableSize());
    }
    setMinimumSize(smallestWholeSize());
    resize(initial.expandedTo(minimumSize()));
    applyResizeRule();
}

QSize ChartWindow::smallestWholeSize() const {
    const std::array<links::LinkLabel*, 3> labels{lblFullBrand, Label1, lblCobrand};
    const int labelHeight = Picture1->height() - 4;
    const auto labelsWhole = [&](int windowWidth) {
        for (std::size_t i = 0; i < labels.size(); ++i) {
            const int width = LabelRoom(windowWidth) * kLabelShares[i] / kShareCount;
            if (width <= 0 || labels[i]->heightForWidth(width) > labelHeight) {
                return false;
            }
        }
        return true;
    };
    constexpr int kSideMargin = 12;
    constexpr int kWidestSearched = 4000;
    int width = std::max({lblHeading->sizeHint().width(), lblURL->sizeHint().width(),
                          kChartDisplaySize.width() / 2}) +
                2 * kSideMargin;
    while (!labelsWhole(width) && width < kWidestSearched) {
        width += 4;
    }
    // The chart display scales, so it is never cut; below half its size it is too small to read.
    const int height = menuBar()->sizeHint().height() + picTop->height() + TB->sizeHint().height() +
                       kChartDisplaySize.height() / 2 + Picture1->height();
    return {width, height};
}

QSize ChartWindow::fullSize() const {
    constexpr int kScrollerMargin = 28;
    return {kChartDisplaySize.width() + kScrollerMargin,
            menuBar()->sizeHint().height() + picTop->height() + TB->sizeHint().height() +
                kChartDisplaySize.height() + kScrollerMargin + Picture1->height()};
}

void ChartWindow::createActions() {
    auto make = [this](const char* name, const char* caption) {
        auto* action = new QAction(this);
        action->setObjectName(QString::fromLatin1(name));
        SetTranslatedText(action, "text", staticMetaObject, caption);
        return action;
    };
    auto makePage = [this, make](const char* name, const char* caption, std::string_view pageKey) {
        QAction* action = make(name, caption);
        connect(action, &QAction::triggered, this,
                [this, pageKey] { dialogs_.openVendorPage(this, pageKey); });
        return action;
    };

    mnuNew = make("mnuNew", QT_TR_NOOP("&New"));
    connect(mnuNew, &QAction::triggered, this, &ChartWindow::startNew);
    mnuSaveAs = make("mnuSaveAs", QT_TR_NOOP("Save &As"));
    connect(mnuSaveAs, &QAction::triggered, this, &ChartWindow::saveReadingAs);
    mnuSaveAsJpeg = make("mnuSaveAsJpeg", QT_TR_NOOP("Save As &JPEG"));
    connect(mnuSaveAsJpeg, &QAction::triggered, this, &ChartWindow::saveAsJpeg);
    mnuSaveAsPdf = make("mnuSaveAsPdf", QT_TR_NOOP("Save As P&DF"));
    connect(mnuSaveAsPdf, &QAction::triggered, this, &ChartWindow::saveAsPdf);
    mnuSaveAsSvg = make("mnuSaveAsSvg", QT_TR_NOOP("Save As &SVG"));
    connect(mnuSaveAsSvg, &QAction::triggered, this, &ChartWindow::saveAsSvg);
    mnuExport = make("mnuExport", QT_TR_NOOP("&Export Chart As Text"));
    connect(mnuExport, &QAction::triggered, this, &ChartWindow::exportAsText);
    mnuPrint = make("mnuPrint", QT_TR_NOOP("&Print"));
    connect(mnuPrint, &QAction::triggered, this, &ChartWindow::printChart);
    mnuBack = make("mnuBack", QT_TR_NOOP("&Back"));
    connect(mnuBack, &QAction::triggered, this, &ChartWindow::goBack);
    mnuExit = make("mnuExit", QT_TR_NOOP("E&xit"));
    connect(mnuExit, &QAction::triggered, this, &ChartWindow::exitProgram);

    mnuToolBar = make("mnuToolBar", QT_TR_NOOP("&Toolbar"));
    mnuToolBar->setCheckable(true);
    mnuToolBar->setChecked(true);

    mnuZoomIn = make("mnuZoomIn", QT_TR_NOOP("Zoom &In"));
    mnuZoomIn->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    connect(mnuZoomIn, &QAction::triggered, this, &ChartWindow::zoomIn);
    mnuZoomOut = make("mnuZoomOut", QT_TR_NOOP("Zoom &Out"));
    mnuZoomOut->setShortcut(QKeySequence::ZoomOut);
    connect(mnuZoomOut, &QAction::triggered, this, &ChartWindow::zoomOut);
    mnuZoomFit = make("mnuZoomFit", QT_TR_NOOP("&Fit to Window"));
    mnuZoomFit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    connect(mnuZoomFit, &QAction::triggered, this, &ChartWindow::resetZoom);
    mnuRashiChart = make("mnuRashiChart", QT_TR_NOOP("&Rashi Chart"));
    mnuNavamsaChart = make("mnuNavamsaChart", QT_TR_NOOP("&Navamsa Chart"));
    mnuVargas = make("mnuVargas", QT_TR_NOOP("Divisional Charts T&able"));
    createChartActions();
    mnuDasha = make("mnuDasha", QT_TR_NOOP("Vimshottari &Dasha"));
    connect(mnuDasha, &QAction::triggered, this, &ChartWindow::openDashaWindow);
    mnuPositions = new PositionsMenu(this);
    mnuPositions->setSettings(session_.chartSettings);
    connect(mnuPositions, &PositionsMenu::settingsChosen, this, &ChartWindow::recalculate);

    mnuOnline = makePage("mnuOnline", QT_TR_NOOP("&Online Help"), links::kHelpPage);
    mnuVisit = makePage("mnuVisit", QT_TR_NOOP("&Visit Us Online"), links::kHomePage);
    mnuUpdate =
        makePage("mnuUpdate", QT_TR_NOOP("Check for Software &Update"), links::kDownloadPage);
    mnuAbout = make("mnuAbout", QT_TR_NOOP("&About Software"));
    connect(mnuAbout, &QAction::triggered, this, [this] { dialogs_.showAboutBox(this); });
    mnuDonate = makePage("mnuDonate", QT_TR_NOOP("&Donate"), links::kDonatePage);
    mnuMakeMoney =
        makePage("mnuMakeMoney", QT_TR_NOOP("Make Money &Online"), links::kFullyBrandedPage);
    mnuMakeMoney->setVisible(false);
}

void ChartWindow::createMenus() {
    QMenu* file = menuBar()->addMenu(QString());
    file->setObjectName(QStringLiteral("mnuFile"));
    SetTranslatedText(file, "title", staticMetaObject, QT_TR_NOOP("&File"));
    file->addAction(mnuNew);
    file->addSeparator();
    file->addAction(mnuSaveAs);
    file->addAction(mnuSaveAsJpeg);
    file->addAction(mnuSaveAsPdf);
    file->addAction(mnuSaveAsSvg);
    file->addSeparator();
    file->addAction(mnuExport);
    file->addSeparator();
    file->addAction(mnuPrint);
    file->addSeparator();
    file->addAction(mnuBack);
    file->addSeparator();
    file->addAction(mnuExit);

    QMenu* view = menuBar()->addMenu(QString());
    view->setObjectName(QStringLiteral("mnuView"));
    SetTranslatedText(view, "title", staticMetaObject, QT_TR_NOOP("&View"));
    view->addAction(mnuToolBar);
    view->addSeparator();
    view->addAction(mnuZoomIn);
    view->addAction(mnuZoomOut);
    view->addAction(mnuZoomFit);
    view->addSeparator();
    QMenu* charts = view->addMenu(QString());
    charts->setObjectName(QStringLiteral("mnuChart"));
    SetTranslatedText(charts, "title", staticMetaObject, QT_TR_NOOP("&Chart"));
    charts->addActions({chartActions_.begin(), chartActions_.end()});
    QMenu* styles = view->addMenu(QString());
    styles->setObjectName(QStringLiteral("mnuChartStyle"));
    SetTranslatedText(styles, "title", staticMetaObject, QT_TR_NOOP("Chart &Style"));
    styles->addActions({styleActions_.begin(), styleActions_.end()});
    view->addAction(mnuVargas);
    view->addSeparator();
    view->addMenu(mnuPositions);
    view->addSeparator();
    view->addAction(mnuDasha);
    view->addSeparator();
    view->addMenu(new LanguageMenu(view));

    QMenu* help = menuBar()->addMenu(QString());
    help->setObjectName(QStringLiteral("mnuHelp"));
    SetTranslatedText(help, "title", staticMetaObject, QT_TR_NOOP("&Help"));
    help->addAction(mnuOnline);
    help->addAction(mnuVisit);
    help->addSeparator();
    help->addAction(mnuUpdate);
    help->addSeparator();
    help->addAction(mnuAbout);
    help->addAction(mnuDonate);
    help->addAction(mnuMakeMoney);
}

QWidget* ChartWindow::createTopPanel() {
    picTop = ColouredPanel("picTop", kTopPanelHeight, this);

    lblHeading = new QLabel(picTop);
    lblHeading->setObjectName(QStringLiteral("lblHeading"));
    SetTranslatedText(lblHeading, "text", staticMetaObject, kHeadings[0]);
    lblHeading->setFont(ProgramFont(18, true));
    lblHeading->adjustSize();
    lblHeading->move(0, TwipsToWholePixels(kHeadingTop));

    lblURL = new links::LinkLabel(QString(), picTop);
    lblURL->setObjectName(QStringLiteral("lblURL"));
    SetTranslatedText(lblURL, "text", kProgramTextsContext, kForumInvitation);
    lblURL->setStyleSheet(QStringLiteral("color: #0000ff;"));
    lblURL->adjustSize();
    lblURL->move(0, TwipsToWholePixels(kAdvertTop));
    connect(lblURL, &links::LinkLabel::clicked, this,
            [this] { dialogs_.openVendorPage(this, links::kHomePage); });
    return picTop;
}

QToolBar* ChartWindow::createToolBar() {
    TB = new QToolBar(this);
    TB->setObjectName(QStringLiteral("TB"));
    TB->setMovable(false);
    TB->setFloatable(false);
    TB->setIconSize(QSize(16, 15));
    TB->setToolButtonStyle(Qt::ToolButtonIconOnly);
    // The key of each button, and the text that names it to the user.
    struct Button {
        const char* key;
        const char* text;
        QIcon picture;
    };
    const Button buttons[] = {{"New", QT_TR_NOOP("New"), NewPicture()},
                              {"Save", QT_TR_NOOP("Save"), SavePicture()},
                              {"Print", QT_TR_NOOP("Print"), PrintPicture()},
                              {"Navamsa", "Navamsa", NavamsaPicture()},
                              {"Help", QT_TR_NOOP("Help"), HelpPicture()}};
    for (const auto& [key, text, picture] : buttons) {
        QAction* button = TB->addAction(picture, QString());
        button->setObjectName(QStringLiteral("tb") + QString::fromLatin1(key));
        SetTranslatedText(button, "text", staticMetaObject, text);
        SetTranslatedText(button, "toolTip", staticMetaObject, text);
        button->setData(QString::fromLatin1(key));
    }
    // Pressed while the Navamsa chart is shown; a click switches to the other chart.
    tbNavamsa = TB->findChild<QAction*>(QStringLiteral("tbNavamsa"));
    tbNavamsa->setCheckable(true);
    nameNavamsaButton();
    connect(TB, &QToolBar::actionTriggered, this,
            [this](QAction* button) { onToolbarButton(button->data().toString()); });
    connect(mnuToolBar, &QAction::toggled, TB, &QToolBar::setVisible);
    return TB;
}

QWidget* ChartWindow::createChartArea(ChartDisplayContent content) {
    mdiArea_ = new QMdiArea(this);
    mdiArea_->setObjectName(QStringLiteral("mdiArea"));
    mdiArea_->setBackground(Qt::white);
    mdiArea_->setFrameShape(QFrame::NoFrame);

    display_ = new ChartDisplay(std::move(content));
    connect(display_, &ChartDisplay::logoClicked, this,
            [this] { dialogs_.openVendorPage(this, links::kHomePage); });

    // The display grows and shrinks with the window; zoomed in beyond the window, it scrolls.
    scroller_ = new QScrollArea;
    scroller_->setObjectName(QStringLiteral("frmDisplayScroller"));
    scroller_->setFrameShape(QFrame::NoFrame);
    scroller_->setBackgroundRole(QPalette::Base);
    scroller_->setAlignment(Qt::AlignCenter);
    scroller_->setWidget(display_);
    scroller_->installEventFilter(this);
    // Ctrl and the wheel zoom, over the chart or the margin around it.
    scroller_->viewport()->installEventFilter(this);
    display_->installEventFilter(this);

    displayWindow_ = mdiArea_->addSubWindow(scroller_, Qt::FramelessWindowHint);
    displayWindow_->setWindowTitle(display_->windowTitle());
    displayWindow_->installEventFilter(this);
    displayWindow_->showMaximized();
    return mdiArea_;
}

QWidget* ChartWindow::createBottomPanel() {
    Picture1 = ColouredPanel("Picture1", kBottomPanelHeight, this);

    auto button = [this](const char* name, const char* caption, int widthTwips) {
        auto* b = new QPushButton(Picture1);
        b->setObjectName(QString::fromLatin1(name));
        SetTranslatedText(b, "text", staticMetaObject, caption);
        b->setGeometry(ToPixels({0, kButtonTop, widthTwips, kButtonHeight}));
        return b;
    };
    cmdSaveAsJPEG = button("cmdSaveAsJPEG", QT_TR_NOOP("Save As &JPEG"), kJpegButtonWidth);
    cmdBack = button("cmdBack", QT_TR_NOOP("&Back"), kButtonWidth);
    cmdExit = button("cmdExit", QT_TR_NOOP("E&xit"), kButtonWidth);
    connect(cmdSaveAsJPEG, &QPushButton::clicked, this, &ChartWindow::saveAsJpeg);
    connect(cmdBack, &QPushButton::clicked, this, &ChartWindow::goBack);
    connect(cmdExit, &QPushButton::clicked, this, &ChartWindow::exitProgram);

    auto promotion = [this](const char* name, std::string_view pageKey) {
        auto* label = new links::LinkLabel(QString(), Picture1);
        label->setObjectName(QString::fromLatin1(name));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setFont(ProgramFont(6.75));
        connect(label, &links::LinkLabel::clicked, this,
                [this, pageKey] { dialogs_.openVendorPage(this, pageKey); });
        return label;
    };
    lblFullBrand = promotion("lblFullBrand", links::kFullyBrandedPage);
    Label1 = promotion("Label1", links::kHomePage);
    lblCobrand = promotion("lblCobrand", links::kCoBrandPage);
    nameAdverts();
    return Picture1;
}

void ChartWindow::nameAdverts() {
    const auto show = [](links::LinkLabel* label, const QString& text) {
        label->setText(text);
        label->setToolTip(text);
    };
    show(lblFullBrand, links::FullBrandAdvert());
    show(Label1, ProgramText(kAnalysisPrefix) + links::VendorSiteForDisplay());
    // The caption's "&&" stands for one "&", which a label shows as it is.
    show(lblCobrand,
         ProgramText(kCobrandCaption).replace(QStringLiteral("&&"), QStringLiteral("&")));
}

void ChartWindow::nameNavamsaButton() {
    tbNavamsa->setText(ChartCaption(ChartKind::kNavamsa));
    tbNavamsa->setToolTip(tbNavamsa->text());
}

void ChartWindow::nameHeading(ChartStyle style) {
    SetTranslatedText(lblHeading, "text", staticMetaObject,
                      kHeadings.at(static_cast<std::size_t>(style)));
    lblHeading->adjustSize();
    setMinimumSize(smallestWholeSize());
    applyResizeRule();
}

void ChartWindow::retranslate() {
    RetranslateTexts(this);
    setMinimumSize(smallestWholeSize());
    nameAdverts();
    nameNavamsaButton();
    nameChartActions();
    lblHeading->adjustSize();
    lblURL->adjustSize();
    applyResizeRule();
    display_->setContent(DisplayContentOf(session_));
    displayWindow_->setWindowTitle(display_->windowTitle());
    captureChartPicture();
}

void ChartWindow::applyResizeRule() {
    const int width = PixelsToTwips(this->width());
    const int exitLeft = width - kButtonWidth - kRightMargin;
    const int backLeft = exitLeft - kButtonWidth - kButtonGap;
    const int jpegLeft = backLeft - kJpegButtonWidth - kButtonGap;
    cmdExit->move(TwipsToWholePixels(exitLeft), cmdExit->y());
    cmdBack->move(TwipsToWholePixels(backLeft), cmdBack->y());
    cmdSaveAsJPEG->move(TwipsToWholePixels(jpegLeft), cmdSaveAsJPEG->y());

    const int pixels = this->width();
    lblHeading->move((pixels - lblHeading->width()) / 2, lblHeading->y());
    lblURL->move((pixels - lblURL->width()) / 2, lblURL->y());

    // The promotional labels share the room left of the buttons.
    const std::array<links::LinkLabel*, 3> labels{lblFullBrand, Label1, lblCobrand};
    int left = kLabelMargin;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const int labelWidth = LabelRoom(pixels) * kLabelShares[i] / kShareCount;
        labels[i]->setGeometry(left, 3, labelWidth, Picture1->height() - 4);
        left += labelWidth + kLabelMargin;
    }
}

void ChartWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    applyResizeRule();
}

void ChartWindow::onToolbarButton(const QString& key) {
    if (key == QLatin1String("New")) {
        startNew();
    } else if (key == QLatin1String("Save")) {
        saveReadingAs();
    } else if (key == QLatin1String("Print")) {
        printChart();
    } else if (key == QLatin1String("Navamsa")) {
        showChart(display_->chart() == ChartKind::kNavamsa ? ChartKind::kRashi
                                                           : ChartKind::kNavamsa);
    } else if (key == QLatin1String("Help")) {
        dialogs_.openVendorPage(this, links::kHelpPage);
    }
}

void ChartWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        captureChartPicture();
    }
}

void ChartWindow::captureChartPicture() {
    if (display_ != nullptr) {
        lastPicture_ = display_->picture();
    }
}

bool ChartWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scroller_ && event->type() == QEvent::Resize) {
        fitDisplay();
    }
    if ((watched == scroller_->viewport() || watched == display_) &&
        event->type() == QEvent::Wheel && zoomByWheel(static_cast<const QWheelEvent&>(*event))) {
        return true;
    }
    // The display closes only with the window around it.
    if (watched == displayWindow_ && event->type() == QEvent::Close && isVisible()) {
        event->ignore();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void ChartWindow::startNew() {
    emit formRequested();
    closeForForm();
}

void ChartWindow::goBack() {
    closeForForm();
    emit formRequested();
}

void ChartWindow::exitProgram() {
    close();
}

void ChartWindow::closeForForm() {
    closingForForm_ = true;
    close();
}

void ChartWindow::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (event->isAccepted() && !closingForForm_) {
        // Exit and the close box end the program.
        emit exitRequested();
    }
}

}  // namespace ui
