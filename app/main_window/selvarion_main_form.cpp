#include "selvarion_main_form.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QLabel>
#include <QResizeEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextList>
#include <QToolBar>
#include <QToolButton>

#include <tuple>

#include "app_folders.h"
#include "bar_picture_style.h"
#include "bible_search_dlg.h"
#include "custom_find_dialog.h"
#include "date_box.h"
#include "font_aliases.h"
#include "help_contexts.h"
#include "help_keys.h"
#include "html_help.h"
#include "icon_column_layout.h"
#include "message_box.h"
#include "options_dialog.h"
#include "page_edit.h"
#include "rz_panel.h"
#include "screen_classes.h"
#include "settings_store.h"
#include "toolbar_images.h"
#include "ui_guards.h"
#include "window_order.h"

namespace {

// A hint is "short|long": the short part is the tooltip, the long part the status text.
void SetActionHint(QAction* action, const QString& hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    action->setToolTip(bar < 0 ? hint : hint.left(bar));
    action->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
}

struct TFindSaintTexts {
    const char* menuCaption;
    const char* buttonCaption;
    const char* hint;
};

TFindSaintTexts FindSaintTexts(TDayPage page)
{
    switch (page) {
    case TDayPage::TroparionKontakion:
        return {"Find &Saint...", "Find Saint...",
                "Finds the specified saint|Finds the specified saint, and goes to that page"};
    case TDayPage::DailyBibleReadings:
        return {"Find &Bible Verses...", "Find Bible Verses...",
                "Finds the specified bible verses|Finds the specified bible verses, and displays "
                "them in the text editor"};
    case TDayPage::LivesSaints:
        break;
    }
    return {"Find &Life of Saint...", "Find Life of Saint...",
            "Finds the life of the specified saint|Finds the life of the specified saint, and "
            "goes to that page"};
}

// Text buttons of the main toolbar keep their design width unless the style needs more room
// for their caption or for one of the `otherCaptions` they take.
void SetTextButtonWidth(std::initializer_list<QToolButton*> buttons, int width,
                        const QStringList& otherCaptions = {})
{
    for (QToolButton* button : buttons) {
        width = std::max(width, button->sizeHint().width());
        const QString shown = button->text();
        for (const QString& caption : otherCaptions) {
            button->setText(caption);
            width = std::max(width, button->sizeHint().width());
        }
        button->setText(shown);
    }
    for (QToolButton* button : buttons)
        button->setFixedSize(width, 23);
}

} // namespace

TSelvarionMainForm::TSelvarionMainForm(const TAppFolders& folders)
    : FMyDocumentsDir(folders.documentsDir), FAppDataDir(folders.appDataDir)
{
    // The pages name Windows fonts; they are drawn with their installed stand-ins.
    InstallFontAliases();
    setObjectName(QStringLiteral("SelvarionMainForm"));
    setWindowTitle(QStringLiteral("Selvarion - New Calendar"));
    QFont formFont(QStringLiteral("Arial"));
    formFont.setPixelSize(12);
    formFont.setBold(true);
    formFont.setItalic(true);
    setFont(formFont);
    FHelpFileName = ProgramFolder() + QStringLiteral("selvmain.qch");
    FSaveDialogDirectory = FMyDocumentsDir;

    CreateMenusAndToolBar();
    CreateClientArea();
    CreateEditCommands();
    // The tool bars and the page's scroll bars are copied from pictures of their looks.
    auto* barStyle = new TBarPictureStyle;
    barStyle->setParent(this);
    for (QWidget* bar : {static_cast<QWidget*>(MainToolBar), static_cast<QWidget*>(EditToolBar),
                         static_cast<QWidget*>(MainRichEdit->verticalScrollBar()),
                         static_cast<QWidget*>(MainRichEdit->horizontalScrollBar())})
        bar->setStyle(barStyle);
    // The normal size leaves room for every button of both toolbars.
    resize(std::max({649, MainToolBar->sizeHint().width(), EditToolBar->sizeHint().width()}), 544);
    AssignHelpContexts(*this);
    SetHelpHook([this](uint16_t command, int context, bool& callHelp) {
        return AppOnHelp(command, context, callHelp);
    });
    HtmlHelp::SetPlacementKey(SettingsKey);
    // The page keeps the keyboard: toolbar buttons take no focus, and the page has it at start.
    for (QToolButton* button : MainToolBar->findChildren<QToolButton*>())
        button->setFocusPolicy(Qt::NoFocus);
    MainRichEdit->setFocus();

    QApplication::instance()->installEventFilter(this);
    LoadViewOptions(*this, QStringLiteral("Options"), SettingsKey);
}

TSelvarionMainForm::~TSelvarionMainForm()
{
    // The handlers on the application go first: the focus moves while the window's members
    // are deleted, after this body, and must not reach a half-destroyed window.
    QApplication::instance()->removeEventFilter(this);
    disconnect(qApp, nullptr, this, nullptr);
    disconnect(QApplication::clipboard(), nullptr, this, nullptr);
    SaveMainWindowPlacement(*this, QStringLiteral("MainWindow"), SettingsKey);
    SaveViewOptions(*this, QStringLiteral("Options"), SettingsKey);
    SetHelpHook(nullptr);
    HtmlHelp::CloseAll();
    HtmlHelp::SetPlacementKey(QString());
}

QAction* TSelvarionMainForm::AddCommand(QMenu* menu, const char* name, const QString& caption,
                                        const QString& hint, const QKeySequence& key)
{
    auto* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(key);
    if (!hint.isEmpty())
        SetActionHint(action, hint);
    return action;
}

QToolButton* TSelvarionMainForm::AddImageButton(QAction* item, const char* name, TToolbarImage image)
{
    // The menus show no images.
    item->setIcon(ToolbarImage(image));
    item->setIconVisibleInMenu(false);
    MainToolBar->addAction(item);
    QWidget* button = MainToolBar->widgetForAction(item);
    button->setObjectName(QLatin1String(name));
    button->setFixedSize(ImageButtonSize);
    return static_cast<QToolButton*>(button);
}

QToolButton* TSelvarionMainForm::AddPageButton(const char* name, const QString& caption,
                                               QAction* item)
{
    auto* button = new QToolButton(MainToolBar);
    button->setObjectName(QLatin1String(name));
    button->setText(caption);
    button->setToolTip(item->toolTip());
    button->setStatusTip(item->statusTip());
    button->setCheckable(true);
    button->setAutoExclusive(true);
    button->setAutoRaise(true);
    button->setFont(PixelFont("Arial", 13, true));
    MainToolBar->addWidget(button);
    connect(button, &QToolButton::clicked, this, [this, button] { MTroparionKontakionClick(button); });
    return button;
}

void TSelvarionMainForm::CreateMenusAndToolBar()
{
    MFile = menuBar()->addMenu(QStringLiteral("&File"));
    MFile->setObjectName(QStringLiteral("MFile"));
    SetActionHint(MFile->menuAction(),
                  QStringLiteral("Select date, save, print active document or quit selvarion"));
    MSelectDate = AddCommand(MFile, "MSelectDate", QStringLiteral("Sele&ct Date"),
                             QStringLiteral("Select Date|Selects the date for the desired readings"),
                             Qt::Key_F5);
    MPreviousYear = AddCommand(MFile, "MPreviousYear", QStringLiteral("Pre&vious Year"),
                               QStringLiteral("Previous Year|Selects the readings for the current date in the previous year"));
    MPreviousDay = AddCommand(MFile, "MPreviousDay", QStringLiteral("Pr&evious Day"),
                              QStringLiteral("Previous Day|Selects the readings for the previous day"),
                              Qt::Key_F6);
    MToday = AddCommand(MFile, "MToday", QStringLiteral("Return to &Today"),
                        QStringLiteral("Return to Today|Selects the readings for today"),
                        QKeySequence(Qt::CTRL | Qt::Key_Y));
    MNextDay = AddCommand(MFile, "MNextDay", QStringLiteral("&Next Day"),
                          QStringLiteral("Next Day|Selects the readings for the next day"), Qt::Key_F7);
    MNextYear = AddCommand(MFile, "MNextYear", QStringLiteral("Next &Year"),
                           QStringLiteral("Next Year|Selects the readings for the current date in the next year"));
    MSave = AddCommand(MFile, "MSave", QStringLiteral("&Save"),
                       QStringLiteral("Save|Creates or saves a personalized copy of the active document"),
                       QKeySequence(Qt::CTRL | Qt::Key_S));
    MSaveAs = AddCommand(MFile, "MSaveAs", QStringLiteral("Save &As..."),
                         QStringLiteral("Save As|Saves a copy of the active document to a disk file"));
    N3 = MFile->addSeparator();
    N3->setObjectName(QStringLiteral("N3"));
    N3->setVisible(false);
    MDeleteFile = AddCommand(MFile, "MDeleteFile", QStringLiteral("&Delete File"), {},
                             QKeySequence(Qt::CTRL | Qt::Key_D));
    MDeleteFile->setVisible(false);
    MFile->addSeparator();
    MExit = AddCommand(MFile, "MExit", QStringLiteral("E&xit"),
                       QStringLiteral("Quits selvarion and prompts to save the document"));

    MSearch = menuBar()->addMenu(QStringLiteral("&Search"));
    MSearch->setObjectName(QStringLiteral("MSearch"));
    SetActionHint(MSearch->menuAction(), QStringLiteral("Search for text in the active document"));
    MFind = AddCommand(MSearch, "MFind", QStringLiteral("&Find on This Page..."),
                       QStringLiteral("Finds the specified text in the active document"),
                       QKeySequence(Qt::CTRL | Qt::Key_F));
    MFindNext = AddCommand(MSearch, "MFindNext", QStringLiteral("Find &Next"),
                           QStringLiteral("Repeats the previous find in the active document"), Qt::Key_F3);
    MFindNext->setEnabled(false);
    MFindSaint = AddCommand(MSearch, "MFindSaint", QString(), QString(), Qt::Key_F4);
    MEndBibleSearch = AddCommand(MSearch, "MEndBibleSearch", QStringLiteral("&End Bible Search"),
                                 QStringLiteral("End Bible Search|Ends bible search mode, and reactivates the daily bible readings"),
                                 QKeySequence(Qt::CTRL | Qt::Key_E));
    MEndBibleSearch->setEnabled(false);
    MEndBibleSearch->setVisible(false);

    MOptions = menuBar()->addMenu(QStringLiteral("&Options"));
    MOptions->setObjectName(QStringLiteral("MOptions"));
    SetActionHint(MOptions->menuAction(), QStringLiteral("Select user interface preferences"));
    MOldCalendar = AddCommand(MOptions, "MOldCalendar", QStringLiteral("&Old Calendar"),
                              QStringLiteral("Displays the readings for old calendar dates"));
    MNewCalendar = AddCommand(MOptions, "MNewCalendar", QStringLiteral("&New Calendar"),
                              QStringLiteral("Displays the readings for new calendar dates"));
    MOptions->addSeparator();
    MTroparionKontakion = AddCommand(MOptions, "MTroparionKontakion", QStringLiteral("&Selvarion"),
                                     QStringLiteral("Troparia and Kontakia|Displays the troparia and kontakia for the selected date"),
                                     Qt::Key_F8);
    MDailyBibleReadings = AddCommand(MOptions, "MDailyBibleReadings", QStringLiteral("&Bible Readings"),
                                     QStringLiteral("Bible Readings|Displays the bible readings for the selected date"),
                                     Qt::Key_F9);
    MLivesSaints = AddCommand(MOptions, "MLivesSaints", QStringLiteral("&Synaxarion"),
                              QStringLiteral("Lives of Saints|Displays the lives of saints for the selected date"),
                              Qt::Key_F10);
    MOptions->addSeparator();
    MPreferences = AddCommand(MOptions, "MPreferences", QStringLiteral("&Preferences..."), {});
    // Never shown in the menu: the item only carries its shortcut.
    MShowVerseNumbers = new QAction(QStringLiteral("S&how Verse Numbers"), this);
    MShowVerseNumbers->setObjectName(QStringLiteral("MShowVerseNumbers"));
    MShowVerseNumbers->setShortcut(Qt::Key_F11);
    addAction(MShowVerseNumbers);
    for (QAction* item : {MOldCalendar, MNewCalendar, MTroparionKontakion, MDailyBibleReadings, MLivesSaints})
        item->setCheckable(true);

    MHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    MHelp->setObjectName(QStringLiteral("MHelp"));
    SetActionHint(MHelp->menuAction(), QStringLiteral("Get help"));
    MHelpTopics = AddCommand(MHelp, "MHelpTopics", QStringLiteral("&HelpTopics"),
                             QStringLiteral("Help Topics|Displays selvarion's help system"));
    connect(MHelpTopics, &QAction::triggered, this, &TSelvarionMainForm::MHelpTopicsClick);
    MFindEasterDate = AddCommand(MHelp, "MFindEasterDate", QStringLiteral("&Find the date of Easter..."),
                                 QStringLiteral("Displays the dates of Western Easter and Pascha for the current year"));
    MDonate = AddCommand(MHelp, "MDonate", QStringLiteral("&Express Appreciation..."), {});
    MAboutSelvarion = AddCommand(MHelp, "MAboutSelvarion", QStringLiteral("&About Selvarion..."),
                                 QStringLiteral("Shows program information"));
    connect(MFindEasterDate, &QAction::triggered, this, &TSelvarionMainForm::MFindEasterDateClick);
    connect(MDonate, &QAction::triggered, this, &TSelvarionMainForm::MDonateClick);
    connect(MAboutSelvarion, &QAction::triggered, this, &TSelvarionMainForm::MAboutSelvarionClick);

    MainToolBar = addToolBar(QStringLiteral("Main"));
    MainToolBar->setObjectName(QStringLiteral("MainToolBar"));
    MainToolBar->setMovable(false);
    MainToolBar->setIconSize(QSize(16, 16));
    const std::tuple<QAction*, const char*, TToolbarImage> commandButtons[] = {
        {MSelectDate, "MTBSelectDate", TToolbarImage::SelectDate},
        {MPreviousYear, "MTBPreviousYear", TToolbarImage::PreviousYear},
        {MPreviousDay, "MTBPreviousDay", TToolbarImage::PreviousDay},
        {MToday, "MTBToday", TToolbarImage::Today},
        {MNextDay, "MTBNextDay", TToolbarImage::NextDay},
        {MNextYear, "MTBNextYear", TToolbarImage::NextYear},
        {MSave, "MTBSave", TToolbarImage::Save}};
    for (const auto& [item, name, image] : commandButtons)
        AddImageButton(item, name, image);
    // The save button saves a copy in Bible search mode, with the same image.
    MSaveAs->setIcon(MSave->icon());
    MSaveAs->setIconVisibleInMenu(false);
    MainToolBar->addSeparator();
    MTBSelvarion = AddPageButton("MTBSelvarion", QStringLiteral("Selvarion"), MTroparionKontakion);
    MTBBibleReadings = AddPageButton("MTBBibleReadings", QStringLiteral("Bible Readings"), MDailyBibleReadings);
    MTBLivesSaints = AddPageButton("MTBLivesSaints", QStringLiteral("Synaxarion"), MLivesSaints);
    SetTextButtonWidth({MTBSelvarion, MTBBibleReadings, MTBLivesSaints}, 106);
    MainToolBar->addAction(MEndBibleSearch);
    MTBEndBibleSearch = static_cast<QToolButton*>(MainToolBar->widgetForAction(MEndBibleSearch));
    MTBEndBibleSearch->setObjectName(QStringLiteral("MTBEndBibleSearch"));
    MTBEndBibleSearch->setToolButtonStyle(Qt::ToolButtonTextOnly);
    SetTextButtonWidth({MTBEndBibleSearch}, 132);
    MainToolBar->addSeparator();
    MTBFindSaint = new QToolButton(MainToolBar);
    MTBFindSaint->setObjectName(QStringLiteral("MTBFindSaint"));
    MTBFindSaint->setAutoRaise(true);
    MainToolBar->addWidget(MTBFindSaint);
    MainToolBar->addSeparator();
    MTBHelpTopics = AddImageButton(MHelpTopics, "MTBHelpTopics", TToolbarImage::HelpTopics);
    MainToolBar->addSeparator();
    const QString findSaintHint =
        QStringLiteral("Find Saint|Finds the specified saint, and goes to that page");
    SetFindSaintTexts(QStringLiteral("Find &Saint..."), QStringLiteral("Find Saint..."),
                      findSaintHint, findSaintHint);
    QStringList findSaintCaptions;
    for (TDayPage page : {TDayPage::TroparionKontakion, TDayPage::DailyBibleReadings, TDayPage::LivesSaints})
        findSaintCaptions << QLatin1String(FindSaintTexts(page).buttonCaption);
    SetTextButtonWidth({MTBFindSaint}, 132, findSaintCaptions);
    // The editing commands fill this toolbar.
    EditToolBar = new QToolBar(QStringLiteral("Edit"), this);
    EditToolBar->setObjectName(QStringLiteral("EditToolBar"));
    EditToolBar->setMovable(false);
    addToolBarBreak();
    addToolBar(EditToolBar);

    connect(MSelectDate, &QAction::triggered, this, &TSelvarionMainForm::MSelectDateClick);
    connect(MPreviousYear, &QAction::triggered, this, &TSelvarionMainForm::MPreviousYearClick);
    connect(MPreviousDay, &QAction::triggered, this, &TSelvarionMainForm::MPreviousDayClick);
    connect(MToday, &QAction::triggered, this, &TSelvarionMainForm::MTodayClick);
    connect(MNextDay, &QAction::triggered, this, &TSelvarionMainForm::MNextDayClick);
    connect(MNextYear, &QAction::triggered, this, &TSelvarionMainForm::MNextYearClick);
    connect(MSave, &QAction::triggered, this, [this] { MSaveClick(MSave); });
    connect(MSaveAs, &QAction::triggered, this, &TSelvarionMainForm::MSaveAsClick);
    connect(MDeleteFile, &QAction::triggered, this, &TSelvarionMainForm::MDeleteFileClick);
    connect(MExit, &QAction::triggered, this, &QWidget::close);
    connect(MFind, &QAction::triggered, this, &TSelvarionMainForm::MFindClick);
    connect(MFindNext, &QAction::triggered, this, &TSelvarionMainForm::MFindNextClick);
    connect(MFindSaint, &QAction::triggered, this, &TSelvarionMainForm::MFindSaintClick);
    connect(MTBFindSaint, &QToolButton::clicked, this, &TSelvarionMainForm::MFindSaintClick);
    connect(MEndBibleSearch, &QAction::triggered, this, &TSelvarionMainForm::MEndBibleSearchClick);
    // A checkable item has already flipped when it triggers: put it back, so that the save
    // check still sees the page and calendar on screen and a cancelled switch changes nothing.
    for (QAction* item : {MTroparionKontakion, MDailyBibleReadings, MLivesSaints})
        connect(item, &QAction::triggered, this, [this, item](bool checked) {
            item->setChecked(!checked);
            MTroparionKontakionClick(item);
        });
    for (QAction* item : {MOldCalendar, MNewCalendar})
        connect(item, &QAction::triggered, this, [this, item](bool checked) {
            item->setChecked(!checked);
            MOldCalendarClick(item);
        });
    connect(MShowVerseNumbers, &QAction::triggered, this, &TSelvarionMainForm::MShowVerseNumbersClick);
    connect(MPreferences, &QAction::triggered, this, &TSelvarionMainForm::MPreferencesClick);
}

void TSelvarionMainForm::CreateClientArea()
{
    auto* client = new QWidget(this);
    auto* column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    DateBar = new TModPanel(client);
    DateBar->setObjectName(QStringLiteral("DateBar"));
    DateBar->setFixedHeight(24);
    QFont dateFont(QStringLiteral("Arial"));
    dateFont.setPixelSize(20);
    dateFont.setBold(true);
    DateBar->setFont(dateFont);
    InfoBar = new TModPanel(client);
    InfoBar->setObjectName(QStringLiteral("InfoBar"));
    InfoBar->setFixedHeight(21);
    QFont infoFont(QStringLiteral("Arial"));
    infoFont.setPixelSize(16);
    InfoBar->setFont(infoFont);
    column->addWidget(DateBar);
    column->addWidget(InfoBar);

    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    ContainerPanel = new TRzPanel(client);
    ContainerPanel->setObjectName(QStringLiteral("ContainerPanel"));
    ContainerPanel->SetColor(palette().color(QPalette::Base));
    ContainerPanel->setFixedWidth(FIconColumnWidth);
    MainImage = new QLabel(ContainerPanel);
    MainImage->setObjectName(QStringLiteral("MainImage"));
    MainImage->setScaledContents(true);
    CenterPanel = new TRzPanel(ContainerPanel);
    CenterPanel->setObjectName(QStringLiteral("CenterPanel"));
    CenterPanel->SetBorderWidth(8);
    CenterPanel->SetVerticalAlignment(vaTop);
    CenterPanel->setFont(PixelFont("Arial", 12));
    BottomPanel = new TRzPanel(ContainerPanel);
    BottomPanel->setObjectName(QStringLiteral("BottomPanel"));
    BottomPanel->SetBorderWidth(8);
    BottomPanel->setFixedHeight(0);
    FIconColumnLayout = new TIconColumnLayout(*ContainerPanel, *MainImage, *CenterPanel, *BottomPanel);
    CreateShowNextIcon();

    MainRichEdit = new TPageEdit(client);
    MainRichEdit->setObjectName(QStringLiteral("MainRichEdit"));
    MainRichEdit->setFrameShape(QFrame::NoFrame);
    MainRichEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont editFont(QStringLiteral("Times New Roman"));
    editFont.setPixelSize(16);
    MainRichEdit->setFont(editFont);
    MainRichEdit->document()->setDefaultFont(editFont);
    row->addWidget(ContainerPanel);
    row->addWidget(MainRichEdit, 1);
    column->addLayout(row, 1);
    client->setMinimumSize(MinPageWidth + MinIconColumnWidth,
                           DateBar->height() + InfoBar->height() + MinPageHeight);
    setCentralWidget(client);

    StatusPanel0 = new QLabel(this);
    StatusPanel0->setObjectName(QStringLiteral("StatusPanel0"));
    StatusPanel0->setFixedWidth(0);
    StatusPanel1 = new QLabel(this);
    StatusPanel1->setObjectName(QStringLiteral("StatusPanel1"));
    StatusPanel1->setMinimumWidth(50);
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->addWidget(StatusPanel0);
    statusBar()->addWidget(StatusPanel1, 1);
}

void TSelvarionMainForm::SetHint(const QString& hint)
{
    FHint = hint;
    ShowHintInStatusBar();
}

void TSelvarionMainForm::ShowHintInStatusBar()
{
    StatusPanel1->setText(FHint);
}

void TSelvarionMainForm::SetHintsShown(bool shown)
{
    FHintsShown = shown;
}

bool TSelvarionMainForm::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::ToolTip) {
        if (!FHintsShown)
            return true;
        // A hint goes away after a pause of its own, however long its text.
        if (auto* widget = qobject_cast<QWidget*>(watched); widget && widget->toolTipDuration() < 0)
            widget->setToolTipDuration(HintHidePause);
    }
    return QMainWindow::eventFilter(watched, e);
}

void TSelvarionMainForm::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    if (!e->spontaneous())
        FormShow(PrimaryScreenSize());
}

void TSelvarionMainForm::FormShow(const QSize& screen)
{
    // The icon's caption in small type on a small screen.
    if (IsSmallScreen(screen)) {
        QFont font = CenterPanel->font();
        font.setPointSize(6);
        CenterPanel->setFont(font);
    }
}

void TSelvarionMainForm::resizeEvent(QResizeEvent* e)
{
    QMainWindow::resizeEvent(e);
    FitIconColumn();
}

void TSelvarionMainForm::SetIconColumnWidth(int width)
{
    FIconColumnWidth = width;
    FitIconColumn();
}

void TSelvarionMainForm::ShowIconColumn(bool shown)
{
    if (!shown)
        FIconPanelWidth = FIconColumnWidth;
    SetIconColumnWidth(shown ? FIconPanelWidth : 0);
}

void TSelvarionMainForm::SetIconSize(const QSize& size)
{
    FIconColumnLayout->SetPictureSize(size);
    SetIconColumnWidth(size.width());
}

void TSelvarionMainForm::FitIconColumn()
{
    const int room = std::max(MinIconColumnWidth, width() - MinPageWidth);
    ContainerPanel->setFixedWidth(std::min(FIconColumnWidth, room));
}

bool TSelvarionMainForm::event(QEvent* e)
{
    if (e->type() == QEvent::StatusTip) {
        // The long part of the hint under the mouse, else the page's status text.
        const QString tip = static_cast<QStatusTipEvent*>(e)->tip();
        StatusPanel1->setText(tip.isEmpty() ? FHint : tip);
        return true;
    }
    return QMainWindow::event(e);
}

TDayPage TSelvarionMainForm::CurrentPage() const
{
    if (MTroparionKontakion->isChecked())
        return TDayPage::TroparionKontakion;
    if (MDailyBibleReadings->isChecked())
        return TDayPage::DailyBibleReadings;
    return TDayPage::LivesSaints;
}

void TSelvarionMainForm::CheckPageItems(TDayPage page)
{
    MTroparionKontakion->setChecked(page == TDayPage::TroparionKontakion);
    MDailyBibleReadings->setChecked(page == TDayPage::DailyBibleReadings);
    MLivesSaints->setChecked(page == TDayPage::LivesSaints);
    QToolButton* button = page == TDayPage::TroparionKontakion   ? MTBSelvarion
                          : page == TDayPage::DailyBibleReadings ? MTBBibleReadings
                                                                 : MTBLivesSaints;
    button->setChecked(true);
}

void TSelvarionMainForm::SetFindSaintTexts(const QString& menuCaption, const QString& buttonCaption,
                                           const QString& menuHint, const QString& buttonHint)
{
    MFindSaint->setText(menuCaption);
    MTBFindSaint->setText(buttonCaption);
    SetActionHint(MFindSaint, menuHint);
    const qsizetype bar = buttonHint.indexOf(QLatin1Char('|'));
    MTBFindSaint->setToolTip(bar < 0 ? buttonHint : buttonHint.left(bar));
    MTBFindSaint->setStatusTip(bar < 0 ? buttonHint : buttonHint.mid(bar + 1));
}

QString TSelvarionMainForm::GetShortDateTitle() const
{
    const QLocale locale;
    if (!MOldCalendar->isChecked())
        return locale.toString(DateBox->FCivilDate, QStringLiteral("MMMM d"));
    const QDate old = DateBox->FOldDateShifted;
    const QDate civil = old.addDays(13);
    return locale.toString(old, QStringLiteral("MMMM d/")) +
           locale.toString(civil, civil.month() == old.month() ? QStringLiteral("d")
                                                               : QStringLiteral("MMMM d"));
}

QMessageBox::StandardButton TSelvarionMainForm::ShowMessageCentered(
    const QString& msg, QMessageBox::Icon type, QMessageBox::StandardButtons buttons)
{
    return CenteredMessageBox(this, msg, buttons, type);
}

void TSelvarionMainForm::GoToCivilDate(QObject* sender, const QDate& civil)
{
    if (!CheckSaveChanges(sender))
        return;
    DateBox->MoveToCivilDate(civil);
    ShowHintInStatusBar();
}

void TSelvarionMainForm::StepToCivilDate(QObject* sender, const QDate& civil, bool pastOldRange)
{
    const bool old = MOldCalendar->isChecked();
    if (!RefuseCalendarStep(this, old, old ? pastOldRange : !TCalendarEngine::IsAcceptedCivilDate(civil)))
        GoToCivilDate(sender, civil);
}

void TSelvarionMainForm::MPreviousDayClick()
{
    StepToCivilDate(MPreviousDay, DateBox->FCivilDate.addDays(-1),
                    DateBox->FOldDateShifted <= TCalendarEngine::FirstOldDateShifted);
}

void TSelvarionMainForm::MNextDayClick()
{
    StepToCivilDate(MNextDay, DateBox->FCivilDate.addDays(1),
                    DateBox->FOldDateShifted >= TCalendarEngine::LastOldDateShifted);
}

void TSelvarionMainForm::MPreviousYearClick()
{
    StepToCivilDate(MPreviousYear, DateBox->FCivilDate.addYears(-1), DateBox->FOldDateShifted < QDate(1917, 3, 1));
}

void TSelvarionMainForm::MNextYearClick()
{
    StepToCivilDate(MNextYear, DateBox->FCivilDate.addYears(1), DateBox->FOldDateShifted > QDate(2099, 2, 28));
}

void TSelvarionMainForm::MTodayClick()
{
    GoToCivilDate(MToday, QDate::currentDate());
}

void TSelvarionMainForm::MSelectDateClick()
{
    if (!CheckSaveChanges(MSelectDate))
        return;
    PullOntoScreen(*DateBox);
    DateBox->exec();
}

void TSelvarionMainForm::MTroparionKontakionClick(QObject* sender)
{
    const TDayPage shown = CurrentPage();
    if (!CheckSaveChanges(sender)) {
        CheckPageItems(shown);
        return;
    }
    TUpdateLock lock(this);
    TDayPage page = TDayPage::LivesSaints;
    if (sender == MTroparionKontakion || sender == MTBSelvarion)
        page = TDayPage::TroparionKontakion;
    else if (sender == MDailyBibleReadings || sender == MTBBibleReadings)
        page = TDayPage::DailyBibleReadings;
    CheckPageItems(page);
    const TFindSaintTexts texts = FindSaintTexts(page);
    SetFindSaintTexts(QLatin1String(texts.menuCaption), QLatin1String(texts.buttonCaption),
                      QLatin1String(texts.hint), QLatin1String(texts.hint));
    // While the Find dialog is open its commands stay off, so that it keeps its mode and text.
    if (page != TDayPage::LivesSaints && !(CustomFindDialog && CustomFindDialog->isVisible())) {
        MFindSaint->setEnabled(true);
        MTBFindSaint->setEnabled(true);
    }
    // Bible verses are only ever looked up over the readings page.
    if (page != TDayPage::DailyBibleReadings && BibleSearchDlg)
        BibleSearchDlg->close();
    // New typing on the page starts plain: default characters, flush left, no bullet.
    QTextCursor cursor = MainRichEdit->textCursor();
    cursor.setCharFormat(QTextCharFormat());
    if (QTextList* list = cursor.currentList())
        list->remove(cursor.block());
    MainRichEdit->setTextCursor(cursor);
    MainRichEdit->setAlignment(Qt::AlignLeft);
    DateBox->ShowDayPage(false);
    MainRichEditSelectionChange();
    ShowHintInStatusBar();
}

void TSelvarionMainForm::MOldCalendarClick(QObject* sender)
{
    if (!CheckSaveChanges(sender))
        return;
    const bool old = sender == MOldCalendar;
    MOldCalendar->setChecked(old);
    MNewCalendar->setChecked(!old);
    const QString caption = old ? QStringLiteral("Selvarion - Old Calendar")
                                : QStringLiteral("Selvarion - New Calendar");
    DateBox->ShowCalendarMode();
    setWindowTitle(caption);
    ShowHintInStatusBar();
}

bool TSelvarionMainForm::ReadingsPageBuilt() const
{
    return CurrentPage() == TDayPage::DailyBibleReadings && !FPersonalFileShown &&
           !(BibleSearchDlg && BibleSearchDlg->FInSearchMode);
}

void TSelvarionMainForm::MShowVerseNumbersClick()
{
    // Only a built readings page has verse numbers to show or hide; it is built again.
    if (!ReadingsPageBuilt() || !CheckSaveChanges(MShowVerseNumbers))
        return;
    OptionsDialog->ToggleShowVerseNumbers();
    TUpdateLock lock(this);
    DateBox->ShowDayPage(false);
    MainRichEditSelectionChange();
}

void TSelvarionMainForm::MPreferencesClick()
{
    OptionsDialog->PageControl->setCurrentIndex(0);
    KeepAboveStayOnTopWindows(*OptionsDialog);
    OptionsDialog->exec();
}

void TSelvarionMainForm::closeEvent(QCloseEvent* e)
{
    if (CheckSaveChanges(this))
        e->accept();
    else
        e->ignore();
}
