#include "settings_store.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>
#include <QToolBar>
#include <QWidget>

#include <optional>

#include "bible_search_dlg.h"
#include "installed_versions.h"
#include "message_box.h"
#include "options_dialog.h"
#include "reg_ini_file.h"
#include "rz_panel.h"
#include "screen_classes.h"
#include "selvarion_main_form.h"
#include "version_roles.h"

namespace {

const QString ProgramFileVersion = QStringLiteral("3.0.1.729");
const QString OptionsSection = QStringLiteral("Options");
const QString VersionNameValues[6] = {
    QStringLiteral("OldTReadingsVersion"), QStringLiteral("NewTReadingsVersion"),
    QStringLiteral("ApocReadingsVersion"), QStringLiteral("OldTSearchVersion"),
    QStringLiteral("NewTSearchVersion"),   QStringLiteral("ApocSearchVersion")};

// Writes the record into the current key. Lazy writing goes off once the record is complete:
// the key and its three values reach the file in one write, before the caller goes on.
void WriteVersionRecord(TRegIniFile& registry)
{
    QString fileVersion, version, release, build;
    GetVersionInfoValue(QStringLiteral("FileVersion"), fileVersion);
    SplitFileVersion(fileVersion, version, release, build);
    registry.WriteString(QString(), QStringLiteral("Version"), version);
    registry.WriteString(QString(), QStringLiteral("Release"), release);
    registry.WriteString(QString(), QStringLiteral("Build"), build);
    registry.SetLazyWrite(false);
}

void WriteVersionRoles(TRegIniFile& registry, const QString& section, const std::array<QString, 6>& versions)
{
    for (size_t i = 0; i < versions.size(); ++i)
        registry.WriteString(section, VersionNameValues[i], versions[i]);
}

} // namespace

void GetVersionInfoValue(const QString& name, QString& value)
{
    value = name == QLatin1String("FileVersion") ? ProgramFileVersion
                                                 : QStringLiteral("Something is different than usual");
}

void SplitFileVersion(const QString& fileVersion, QString& version, QString& release, QString& build)
{
    const qsizetype dot = fileVersion.indexOf(QLatin1Char('.'), 4);   // at or after character 5
    version = fileVersion.left(3);
    release = dot < 0 ? QString() : fileVersion.mid(4, dot - 4);
    build = fileVersion.right(dot < 0 ? fileVersion.size() : fileVersion.size() - dot - 1);
}

void ReportSettingsTroubleInMessageBoxes()
{
    TRegIniFile::SetStoreErrorHandler([](const QString& message) {
        CenteredMessageBox(nullptr, message, QMessageBox::Ok, QMessageBox::Warning);
    });
}

bool UpdateRegisteredVersion()
{
    TRegIniFile registry(QStringLiteral("Software\\Tavrendel"));
    if (!registry.KeyExists(QStringLiteral("Selvarion\\Application")))
        return false;
    registry.OpenKey(QStringLiteral("Selvarion\\Application"), false);
    WriteVersionRecord(registry);
    return true;
}

void RegisterVersion()
{
    TRegIniFile registry(QStringLiteral("Software\\Tavrendel"));
    registry.OpenKey(QStringLiteral("Selvarion\\Application"), true);
    WriteVersionRecord(registry);
}

void SaveMainWindowPlacement(TSelvarionMainForm& form, const QString& section, const QString& key)
{
    const QSize screen = PrimaryScreenSize();
    const QRect normal = form.normalGeometry().isValid() ? form.normalGeometry() : form.geometry();
    int left = normal.left(), top = normal.top(), width = normal.width(), height = normal.height();
    if (width > screen.width()) {
        left = 0;
        width = screen.width();
    }
    if (height > screen.height()) {
        top = 0;
        height = screen.height();
    }
    TRegIniFile registry(key);
    registry.WriteInteger(section, QStringLiteral("Left"), left);
    registry.WriteInteger(section, QStringLiteral("Top"), top);
    registry.WriteInteger(section, QStringLiteral("Height"), height);
    registry.WriteInteger(section, QStringLiteral("Width"), width);
    registry.WriteInteger(section, QStringLiteral("MaxLeft"), form.FMaxPosition.x());
    registry.WriteInteger(section, QStringLiteral("MaxTop"), form.FMaxPosition.y());
    const Qt::WindowStates state = form.windowState();
    if (state & Qt::WindowMinimized)
        registry.WriteString(section, QStringLiteral("FormState"), QStringLiteral("Minimized"));
    else if (state & Qt::WindowFullScreen)
        return;   // a state the store has no name for keeps the stored one
    else if (state & Qt::WindowMaximized)
        registry.WriteString(section, QStringLiteral("FormState"), QStringLiteral("Maximized"));
    else
        registry.WriteString(section, QStringLiteral("FormState"), QStringLiteral("Normal"));
}

void LoadMainWindowPlacement(TSelvarionMainForm& form, const QString& section, const QString& key)
{
    const QSize screen = PrimaryScreenSize();
    const TRegIniFile registry(key);
    const int left = registry.ReadInteger(section, QStringLiteral("Left"), screen.width() / 2 - form.width() / 2);
    const int top = registry.ReadInteger(section, QStringLiteral("Top"), screen.height() / 2 - form.height() / 2);
    const int width = registry.ReadInteger(section, QStringLiteral("Width"), form.width());
    const int height = registry.ReadInteger(section, QStringLiteral("Height"), form.height());
    form.FMaxPosition = {registry.ReadInteger(section, QStringLiteral("MaxLeft"), -4),
                         registry.ReadInteger(section, QStringLiteral("MaxTop"), -4)};
    const QString state = registry.ReadString(section, QStringLiteral("FormState"), QStringLiteral("Maximized"));
    form.setGeometry(left, top, width, height);
    if (state == QLatin1String("Minimized"))   // un-minimizes to the maximized state
        form.setWindowState(Qt::WindowMinimized | Qt::WindowMaximized);
    else if (state == QLatin1String("Maximized"))
        form.setWindowState(Qt::WindowMaximized);
    else
        form.setWindowState(Qt::WindowNoState);
}

// A dialog's position is that of its client area, taken and given back the same way: where the
// window manager puts the frame of a window not yet shown is its own affair, and a frame
// position given back as the client's would move the dialog by its title bar at every start.
void SaveDialogPosition(QWidget& form, const QString& section, const QString& key)
{
    const QPoint place = OnScreenPlace(form.geometry().topLeft(), form.size());
    TRegIniFile registry(key);
    registry.WriteInteger(section, QStringLiteral("Left"), place.x());
    registry.WriteInteger(section, QStringLiteral("Top"), place.y());
}

void LoadDialogPosition(QWidget& form, const QString& section, const QString& key)
{
    const QSize screen = PrimaryScreenSize();
    const TRegIniFile registry(key);
    const QPoint place(registry.ReadInteger(section, QStringLiteral("Left"), screen.width() / 2 - form.width() / 2),
                       registry.ReadInteger(section, QStringLiteral("Top"), screen.height() / 2 - form.height() / 2));
    form.setGeometry(QRect(place, form.size()));
}

void SaveViewOptions(const TSelvarionMainForm& form, const QString& section, const QString& key)
{
    TRegIniFile registry(key);
    registry.WriteBool(section, QStringLiteral("OldCalendar"), form.MOldCalendar->isChecked());
    registry.WriteBool(section, QStringLiteral("TroparionKontakion"), form.MTroparionKontakion->isChecked());
    registry.WriteBool(section, QStringLiteral("DailyBibleReadings"), form.MDailyBibleReadings->isChecked());
}

void LoadViewOptions(TSelvarionMainForm& form, const QString& section, const QString& key)
{
    const TRegIniFile registry(key);
    const bool oldCalendar = registry.ReadBool(section, QStringLiteral("OldCalendar"), true);
    const bool troparia = registry.ReadBool(section, QStringLiteral("TroparionKontakion"), true);
    const bool readings = registry.ReadBool(section, QStringLiteral("DailyBibleReadings"), false);
    form.MNewCalendar->setChecked(!oldCalendar);
    form.MOldCalendar->setChecked(oldCalendar);
    form.CheckPageItems(troparia   ? TDayPage::TroparionKontakion
                        : readings ? TDayPage::DailyBibleReadings
                                   : TDayPage::LivesSaints);
    // The troparia page keeps the Find Saint texts the window was built with.
    if (troparia)
        return;
    if (readings) {
        const QString hint =
            QStringLiteral("Finds the specified bible verses, and displays them in the editor window");
        form.SetFindSaintTexts(QStringLiteral("Find &Bible Verses..."), QStringLiteral("Find Bible Verses..."),
                               hint, QStringLiteral("Finds the specified bible verses|") + hint);
    } else {
        const QString hint = QStringLiteral("Finds the life of the specified saint, and goes to that page");
        form.SetFindSaintTexts(QStringLiteral("Find &Life of Saint..."), QStringLiteral("Find Life of Saint..."),
                               hint, QStringLiteral("Finds the life of the specified saint|") + hint);
    }
}

void SavePreferences(const TOptionsDialog& dialog, const TSelvarionMainForm& form,
                     const QString& section, const QString& key)
{
    TRegIniFile registry(key);
    registry.WriteInteger(section, QStringLiteral("SaveBackups"), dialog.FSaveBackups);
    registry.WriteBool(section, QStringLiteral("DontAskSave"), dialog.FDontAskSave);
    registry.WriteBool(section, QStringLiteral("DontAskProceed"), dialog.FDontAskProceed);
    registry.WriteBool(section, QStringLiteral("ShowIcons"), dialog.ShowIcons->isChecked());
    registry.WriteBool(section, QStringLiteral("ShowVerseNumbers"), dialog.ShowVerseNumbers->isChecked());
    registry.WriteBool(section, QStringLiteral("UseLukanJump"), dialog.UseLukanJump->isChecked());
    registry.WriteBool(section, QStringLiteral("ShowMainToolBar"), form.MainToolBar->isVisibleTo(&form));
    registry.WriteBool(section, QStringLiteral("ShowEditToolBar"), form.EditToolBar->isVisibleTo(&form));
    registry.WriteBool(section, QStringLiteral("ShowHints"), dialog.ShowHints->isChecked());
    registry.WriteBool(section, QStringLiteral("LoadPersonalizedFiles"), dialog.LoadPersonalized->isChecked());
    registry.WriteString(section, QStringLiteral("SaveDialogDirectory"), form.FSaveDialogDirectory);
    registry.WriteString(section, QStringLiteral("SelectFilenameDirectory"), dialog.FBrowseDirectory);
    std::array<QString, 6> versions;
    const auto labels = dialog.VersionLabels();
    for (size_t i = 0; i < labels.size(); ++i)
        versions[i] = labels[i]->text();
    WriteVersionRoles(registry, section, versions);
}

void LoadPreferences(TOptionsDialog& dialog, TSelvarionMainForm& form, const QString& section,
                     const QString& key)
{
    const TRegIniFile registry(key);
    auto flag = [&](const char* name, bool def) {
        return registry.ReadBool(section, QLatin1String(name), def);
    };
    dialog.FSaveBackups = registry.ReadInteger(section, QStringLiteral("SaveBackups"), 7);
    dialog.FDontAskSave = flag("DontAskSave", false);
    dialog.FDontAskProceed = flag("DontAskProceed", false);
    const bool showIcons = flag("ShowIcons", true);
    const bool showVerseNumbers = flag("ShowVerseNumbers", true);
    const bool useLukanJump = flag("UseLukanJump", true);
    const bool showMainToolBar = flag("ShowMainToolBar", true);
    const bool showEditToolBar = flag("ShowEditToolBar", true);
    const bool showHints = flag("ShowHints", true);
    const bool loadPersonalized = flag("LoadPersonalizedFiles", true);
    const QString saveDirectory =
        registry.ReadString(section, QStringLiteral("SaveDialogDirectory"), form.FMyDocumentsDir);
    const QString browseDirectory =
        registry.ReadString(section, QStringLiteral("SelectFilenameDirectory"), form.FMyDocumentsDir);
    QString versionNames[6];
    // The records are read once, and only when a role names an installed version.
    std::optional<TRegIniFile> records;
    for (size_t i = 0; i < 6; ++i) {
        versionNames[i] = registry.ReadString(section, VersionNameValues[i], BuiltInVersionName);
        if (versionNames[i] == BuiltInVersionName)
            continue;
        if (!records)
            records.emplace(InstalledFilesKey);
        // A version is named as its record spells it; one no record holds any more is read
        // with the built-in files, and named so.
        versionNames[i] = RecordName(versionNames[i], *records);
        if (versionNames[i].isEmpty())
            versionNames[i] = BuiltInVersionName;
    }

    dialog.ShowDialogs->setChecked(!(dialog.FDontAskSave || dialog.FDontAskProceed));
    dialog.ShowIcons->setChecked(showIcons);
    if (!showIcons)
        form.ShowIconColumn(false);
    else if (!form.MainImage->pixmap().isNull())
        form.SetIconColumnWidth(form.MainImage->pixmap().width());
    dialog.ShowVerseNumbers->setChecked(showVerseNumbers);
    dialog.UseLukanJump->setChecked(useLukanJump);
    dialog.ShowMainToolbar->setChecked(showMainToolBar);
    form.MainToolBar->setVisible(showMainToolBar);
    dialog.ShowEditToolbar->setChecked(showEditToolBar);
    form.EditToolBar->setVisible(showEditToolBar);
    form.SetHintsShown(showHints);
    dialog.ShowHints->setChecked(showHints);
    dialog.LoadPersonalized->setChecked(loadPersonalized);
    dialog.LoadOriginal->setChecked(!loadPersonalized);
    form.FSaveDialogDirectory = saveDirectory;
    dialog.FBrowseDirectory = browseDirectory;
    const auto labels = dialog.VersionLabels();
    for (size_t i = 0; i < labels.size(); ++i)
        labels[i]->setText(versionNames[i]);
}

void SaveVersionRoles(const std::array<QString, 6>& versions)
{
    TRegIniFile registry(SettingsKey);
    WriteVersionRoles(registry, OptionsSection, versions);
}

void SaveBibleSearchSettings(const TBibleSearchDlg& dialog, const QString& section, const QString& key)
{
    TRegIniFile registry(key);
    registry.WriteBool(section, QStringLiteral("IncludeChapterHeadings"), dialog.ChapterHeadings->isChecked());
    registry.WriteBool(section, QStringLiteral("IncludeVerseNumbers"), dialog.VerseNumbers->isChecked());
}

void LoadBibleSearchSettings(TBibleSearchDlg& dialog, const QString& section, const QString& key)
{
    const TRegIniFile registry(key);
    const bool headings = registry.ReadBool(section, QStringLiteral("IncludeChapterHeadings"), true);
    const bool numbers = registry.ReadBool(section, QStringLiteral("IncludeVerseNumbers"), true);
    for (size_t role = 0; role < VersionRoles.size(); ++role)
        SetRoleVersion(dialog, role,
                       registry.ReadString(OptionsSection, VersionNameValues[role], BuiltInVersionName));
    dialog.ChapterHeadings->setChecked(headings);
    dialog.VerseNumbers->setChecked(numbers);
}

QString ToCommaText(const QStringList& items)
{
    QStringList quoted;
    for (const QString& item : items) {
        const bool plain = !item.isEmpty() && !item.contains(QRegularExpression(QStringLiteral("[\\s,\"]")));
        quoted << (plain ? item : QLatin1Char('"') + QString(item).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + QLatin1Char('"'));
    }
    return quoted.join(QLatin1Char(','));
}

QStringList FromCommaText(const QString& text)
{
    QStringList items;
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto separator = [](QChar c) { return c == QLatin1Char(',') || c.isSpace(); };
    while (i < n) {
        while (i < n && text[i].isSpace())
            ++i;
        if (i >= n)
            break;
        QString item;
        if (text[i] == QLatin1Char('"')) {
            ++i;
            while (i < n) {
                if (text[i] == QLatin1Char('"')) {
                    if (i + 1 < n && text[i + 1] == QLatin1Char('"')) {
                        item += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += text[i++];
            }
        } else {
            while (i < n && !separator(text[i]))
                item += text[i++];
        }
        items << item;
        while (i < n && text[i].isSpace())
            ++i;
        if (i < n && text[i] == QLatin1Char(','))
            ++i;
    }
    return items;
}
