#include "options_dialog.h"

#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QTextEdit>
#include <QUrl>
#include <QToolBar>

#include "date_box.h"
#include "help_contexts.h"
#include "help_topics.h"
#include "html_help.h"
#include "message_box.h"
#include "rz_panel.h"
#include "selvarion_main_form.h"
#include "settings_store.h"
#include "ui_guards.h"
#include "version_roles.h"

namespace {

QCheckBox* AddCheckBox(QLayout* layout, const char* name, const QString& caption)
{
    auto* box = new QCheckBox(caption);
    box->setObjectName(QLatin1String(name));
    box->setChecked(true);
    layout->addWidget(box);
    return box;
}

} // namespace

TOptionsDialog::TOptionsDialog(TSelvarionMainForm& mainForm)
    : QDialog(&mainForm), FMainForm(mainForm)
{
    setObjectName(QStringLiteral("OptionsDialog"));
    setWindowTitle(QStringLiteral("Preferences"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowSystemMenuHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint);
    auto* layout = new QVBoxLayout(this);
    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    layout->addWidget(PageControl);

    UserPrefs = new QWidget;
    UserPrefs->setObjectName(QStringLiteral("UserPrefs"));
    auto* prefsLayout = new QVBoxLayout(UserPrefs);
    General = new QGroupBox(QStringLiteral("General Preferences"), UserPrefs);
    General->setObjectName(QStringLiteral("General"));
    auto* generalLayout = new QVBoxLayout(General);
    ShowIcons = AddCheckBox(generalLayout, "ShowIcons", QStringLiteral("Show Icons"));
    ShowVerseNumbers = AddCheckBox(generalLayout, "ShowVerseNumbers",
                                   QStringLiteral("Show Bible Verse Numbers      F11"));
    UseLukanJump = AddCheckBox(generalLayout, "UseLukanJump", QStringLiteral("Use Lukan Jump"));
    ShowMainToolbar = AddCheckBox(generalLayout, "ShowMainToolbar", QStringLiteral("Show Main Toolbar"));
    ShowEditToolbar = AddCheckBox(generalLayout, "ShowEditToolbar", QStringLiteral("Show Edit Toolbar"));
    ShowHints = AddCheckBox(generalLayout, "ShowHints", QStringLiteral("Show Toolbar Hints"));
    ShowDialogs = AddCheckBox(generalLayout, "ShowDialogs", QStringLiteral("Show All Message Dialogs"));
    prefsLayout->addWidget(General);
    SavedFiles = new QGroupBox(QStringLiteral("Loading Personalized Files"), UserPrefs);
    SavedFiles->setObjectName(QStringLiteral("SavedFiles"));
    auto* savedLayout = new QVBoxLayout(SavedFiles);
    savedLayout->addWidget(new QLabel(QStringLiteral("When Starting Selvarion or Changing Dates:")));
    LoadPersonalized = new QRadioButton(QStringLiteral("Load Personalized Files, if available"));
    LoadPersonalized->setObjectName(QStringLiteral("LoadPersonalized"));
    LoadPersonalized->setChecked(true);
    LoadOriginal = new QRadioButton(QStringLiteral("Load Original Texts"));
    LoadOriginal->setObjectName(QStringLiteral("LoadOriginal"));
    savedLayout->addWidget(LoadPersonalized);
    savedLayout->addWidget(LoadOriginal);
    prefsLayout->addWidget(SavedFiles);
    ManageFiles = new QGroupBox(QStringLiteral("Manage User Specific Application Files"), UserPrefs);
    ManageFiles->setObjectName(QStringLiteral("ManageFiles"));
    auto* manageLayout = new QVBoxLayout(ManageFiles);
    AppDataButton = new QPushButton(QStringLiteral("Browse Application Data Directory"));
    AppDataButton->setObjectName(QStringLiteral("AppDataButton"));
    manageLayout->addWidget(AppDataButton);
    prefsLayout->addWidget(ManageFiles);
    prefsLayout->addStretch(1);
    PageControl->addTab(UserPrefs, QStringLiteral("Preferences"));

    BuildBibleVersionsPage();
    BuildBibleFilesPage();
    BuildChangeVersionsPage();
    BuildInstallPage();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    OKButton = new QPushButton(QStringLiteral("OK"));
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Cancel"));
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    HelpButton = new QPushButton(QStringLiteral("Help"));
    HelpButton->setObjectName(QStringLiteral("HelpButton"));
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    buttons->addWidget(HelpButton);
    layout->addLayout(buttons);
    resize(DesignSize);

    connect(OKButton, &QPushButton::clicked, this, [this] {
        if (OKButtonClick())
            accept();
    });
    connect(CancelButton, &QPushButton::clicked, this, &TOptionsDialog::reject);
    for (QRadioButton* choice : {LoadPersonalized, LoadOriginal}) {
        connect(choice, &QRadioButton::pressed, this,
                [this] { FLoadPersonalizedBeforeClick = LoadPersonalized->isChecked(); });
        connect(choice, &QRadioButton::clicked, this, [this, choice] { LoadPersonalizedClick(choice); });
    }
    connect(AppDataButton, &QPushButton::clicked, this, &TOptionsDialog::AppDataButtonClick);
    ConnectVersionPages();
    connect(HelpButton, &QPushButton::clicked, this, &TOptionsDialog::HelpButtonClick);
    AssignHelpContexts(*this);

    mainForm.OptionsDialog = this;
    FInstalledVersions = LoadInstalledFileList(InstalledFileListSection, InstalledFilesKey);
    ShowInstalledVersions();
    LoadPreferences(*this, mainForm, QStringLiteral("Options"), SettingsKey);
    TakeSnapshot();
    LoadDialogPosition(*this, QStringLiteral("OptionsDialogWindow"), SettingsKey);
}

TOptionsDialog::~TOptionsDialog()
{
    SaveDialogPosition(*this, QStringLiteral("OptionsDialogWindow"), SettingsKey);
    SavePreferences(*this, FMainForm, QStringLiteral("Options"), SettingsKey);
    // The list of installed versions was written as it changed, merged with the store's.
    FMainForm.OptionsDialog = nullptr;
}

std::array<QLabel*, 6> TOptionsDialog::VersionLabels() const
{
    return {ActiveOT1, ActiveNT1, ActiveApoc1, ActiveOT2, ActiveNT2, ActiveApoc2};
}

TOptionsDialog::TSnapshot TOptionsDialog::CurrentPreferences() const
{
    return {ShowIcons->isChecked(),       UseLukanJump->isChecked(), ShowMainToolbar->isChecked(),
            ShowEditToolbar->isChecked(), ShowHints->isChecked(),    ShowDialogs->isChecked(),
            LoadPersonalized->isChecked(), ShowVerseNumbers->isChecked()};
}

void TOptionsDialog::TakeSnapshot()
{
    FSavedPreferences = CurrentPreferences();
    const auto labels = VersionLabels();
    for (size_t i = 0; i < labels.size(); ++i)
        FSavedVersionNames[i] = labels[i]->text();
}

bool TOptionsDialog::OKButtonClick()
{
    if (ApplyButton->isEnabled() && !ApplyButtonClick())
        return false;
    const TSnapshot now = CurrentPreferences();
    const TSnapshot& was = FSavedPreferences;
    if (now == was)
        return true;
    const bool iconsChanged = now.showIcons != was.showIcons;
    const bool numbersChanged = now.showVerseNumbers != was.showVerseNumbers;
    const bool lukanChanged = now.useLukanJump != was.useLukanJump;
    // The page is loaded again for the icons, and a built readings page for its verse
    // numbers and Gospel cycle: only then may a changed page be kept first. A cancelled
    // question leaves every change unapplied.
    const bool readingsRebuilt = (numbersChanged || lukanChanged) && FMainForm.ReadingsPageBuilt();
    if ((iconsChanged || readingsRebuilt) && !FMainForm.CheckSaveChanges(OKButton))
        return false;
    FMainForm.SetHintsShown(now.showHints);
    {
        TUpdateLock lock(&FMainForm);
        TDateBox& dateBox = *FMainForm.DateBox;
        if (lukanChanged)
            FMainForm.InfoBar->SetCaption(QString::fromStdString(dateBox.GetDayDescription()));
        if (iconsChanged) {
            FMainForm.ShowIconColumn(now.showIcons);
            dateBox.ShowDayPage(now.showIcons);
            FMainForm.MainRichEditSelectionChange();
        } else if (numbersChanged || lukanChanged) {
            if (readingsRebuilt)
                dateBox.ShowDayPage(false);
            FMainForm.MainRichEditSelectionChange();
        }
        const bool mainBarChanged = now.showMainToolbar != was.showMainToolbar;
        const bool editBarChanged = now.showEditToolbar != was.showEditToolbar;
        if (mainBarChanged)
            FMainForm.MainToolBar->setVisible(now.showMainToolbar);
        if (editBarChanged)
            FMainForm.EditToolBar->setVisible(now.showEditToolbar);
        if (mainBarChanged || editBarChanged)
            FMainForm.SetEditMargins();
        if (now.showDialogs != was.showDialogs)
            FDontAskProceed = FDontAskSave = !now.showDialogs;
    }
    FSavedPreferences = CurrentPreferences();
    return true;
}

void TOptionsDialog::CancelButtonClick()
{
    const TSnapshot& was = FSavedPreferences;
    ShowIcons->setChecked(was.showIcons);
    UseLukanJump->setChecked(was.useLukanJump);
    ShowMainToolbar->setChecked(was.showMainToolbar);
    ShowEditToolbar->setChecked(was.showEditToolbar);
    ShowHints->setChecked(was.showHints);
    ShowDialogs->setChecked(was.showDialogs);
    LoadPersonalized->setChecked(was.loadPersonalized);
    LoadOriginal->setChecked(!was.loadPersonalized);
    ShowVerseNumbers->setChecked(was.showVerseNumbers);
    const auto labels = VersionLabels();
    for (size_t i = 0; i < labels.size(); ++i)
        labels[i]->setText(FSavedVersionNames[i]);
    for (QLabel* label : labels)
        SetVersionColor(label, InForceColor);
    for (QLabel* label : ActiveVersionLabels)
        SetVersionColor(label, InForceColor);
    // A page that followed the loading choice goes back with it.
    if (FPageBeforeChoice && *FPageBeforeChoice != FMainForm.FPersonalFileShown) {
        TUpdateLock lock(&FMainForm);
        FMainForm.DateBox->FForcePersonalized = *FPageBeforeChoice;
        FMainForm.DateBox->ShowDayPage(false);
    }
    FPageBeforeChoice.reset();
}

void TOptionsDialog::reject()
{
    LeaveVersionPages();
    CancelButtonClick();
    QDialog::reject();
}

void TOptionsDialog::ToggleShowVerseNumbers()
{
    ShowVerseNumbers->setChecked(!ShowVerseNumbers->isChecked());
    FSavedPreferences.showVerseNumbers = ShowVerseNumbers->isChecked();
}

void TOptionsDialog::keyPressEvent(QKeyEvent* e)
{
    // F1 marks the help that follows as asked for from the keyboard; the key goes on.
    if (e->key() == Qt::Key_F1)
        FMainForm.FHelpKeyPressed = true;
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        CancelButton->click();
        return;
    }
    QDialog::keyPressEvent(e);
}

QString TOptionsDialog::HelpTopic() const
{
    const QWidget* page = PageControl->currentWidget();
    if (page == UserPrefs)
        return PreferencesTopic(TPreferencesTopic::Preferences);
    if (page == BibleVersions || page == ChangeVersionsPage)
        return PreferencesTopic(TPreferencesTopic::Versions);
    if (page == BibleFiles)
        return PreferencesTopic(TPreferencesTopic::Files);
    if (page == InstallPage)
        return PreferencesTopic(TPreferencesTopic::Install);
    return PreferencesTopic(TPreferencesTopic::Dialog);
}

void TOptionsDialog::HelpButtonClick()
{
    HtmlHelp::DisplayTopic(FMainForm.FHelpFileName + HelpTopic());
}

void TOptionsDialog::LoadPersonalizedClick(QRadioButton* sender)
{
    // A personalized file of the shown page follows the choice at once, when the page is not
    // yet what the choice asks for. A cancelled save question undoes the click.
    if (!QFileInfo::exists(FMainForm.FPersonalFileName) ||
        LoadPersonalized->isChecked() == FMainForm.FPersonalFileShown)
        return;
    if (!FMainForm.CheckSaveChanges(sender)) {
        (FLoadPersonalizedBeforeClick ? LoadPersonalized : LoadOriginal)->setChecked(true);
        return;
    }
    if (!FPageBeforeChoice)
        FPageBeforeChoice = FMainForm.FPersonalFileShown;
    FMainForm.DateBox->ShowDayPage(false);
}

void TOptionsDialog::AppDataButtonClick()
{
    const QString folder = FMainForm.FAppDataDir;
    if (!QFileInfo(folder).isDir() || !QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        ShowDialogMessage(QStringLiteral("The folder \"%1\" cannot be opened in a file manager.")
                              .arg(QDir::toNativeSeparators(folder)),
                          QMessageBox::Warning, QMessageBox::Ok);
}

QMessageBox::StandardButton TOptionsDialog::ShowDialogMessage(const QString& msg,
                                                              QMessageBox::Icon icon,
                                                              QMessageBox::StandardButtons buttons)
{
    return CenteredMessageBox(this, msg, buttons, icon);
}

QMessageBox::StandardButton TOptionsDialog::AskWithDontAskAgain(const QString& msg,
                                                                QMessageBox::Icon icon,
                                                                QMessageBox::StandardButtons buttons,
                                                                bool& dontAskAgain)
{
    FDontAskTicked = false;
    FAddDontAskBox = true;
    const auto answer = CenteredMessageBox(this, msg, buttons, icon);
    FAddDontAskBox = false;
    dontAskAgain = FDontAskTicked;
    return answer;
}

void TOptionsDialog::childEvent(QChildEvent* e)
{
    QDialog::childEvent(e);
    if (!FAddDontAskBox || e->type() != QEvent::ChildPolished)
        return;
    auto* box = qobject_cast<QMessageBox*>(e->child());
    if (!box || box->checkBox())
        return;
    auto* dontAsk = new QCheckBox(QStringLiteral("Don't ask me this again"), box);
    connect(dontAsk, &QCheckBox::toggled, this, [this](bool on) { FDontAskTicked = on; });
    box->setCheckBox(dontAsk);
}

void TOptionsDialog::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    // Opened afresh, not shown again after being minimized: another running program may have
    // installed or removed versions meanwhile.
    if (!e->spontaneous()) {
        FPageBeforeChoice.reset();
        FInstalledVersions = LoadInstalledFileList(InstalledFileListSection, InstalledFilesKey);
        ShowInstalledVersions();
    }
    FMainForm.FHelpKeyPressed = false;
    PageControl->setFocus();
}
