#include "help_contexts.h"

#include <QWidget>

#include <span>

#include "help_keys.h"

namespace {

struct TControlContext {
    const char* name;
    int context;
};

constexpr TControlContext MainWindowContexts[] = {
    {"MFile", 100},          {"MSelectDate", 101},     {"MPreviousYear", 102},  {"MPreviousDay", 103},
    {"MToday", 104},         {"MNextDay", 105},        {"MNextYear", 106},      {"MSave", 107},
    {"MSaveAs", 108},        {"MDeleteFile", 109},     {"MPrint", 110},         {"MExit", 111},
    {"MEdit", 120},          {"MUndo", 121},           {"MCut", 122},           {"MCopy", 123},
    {"MPaste", 124},         {"MDelete", 125},         {"MSelectAll", 126},
    {"MFormat", 140},        {"MFont", 141},           {"MBold", 142},          {"MItalic", 143},
    {"MUnderline", 144},     {"MLeftAlign", 145},      {"MCenterAlign", 146},   {"MRightAlign", 147},
    {"MBullets", 148},
    {"MSearch", 160},        {"MFind", 161},           {"MFindNext", 162},      {"MFindSaint", 163},
    {"MTBFindSaint", 163},   {"MEndBibleSearch", 164},
    {"MOptions", 180},       {"MOldCalendar", 181},    {"MNewCalendar", 182},
    {"MTroparionKontakion", 183}, {"MTBSelvarion", 183}, {"MDailyBibleReadings", 184},
    {"MTBBibleReadings", 184}, {"MLivesSaints", 185},  {"MTBLivesSaints", 185}, {"MPreferences", 186},
    {"MShowVerseNumbers", 187}, {"MShowNextIcon", 188}, {"ShowNextIcon", 188},
    {"MHelp", 200},          {"MHelpTopics", 201},     {"MFindEasterDate", 202}, {"MDonate", 203},
    {"MAboutSelvarion", 204},
    // The edit toolbar: each button has its command's context.
    {"ETBUndo", 121},        {"ETBCut", 122},          {"ETBCopy", 123},        {"ETBPaste", 124},
    {"ETBFontName", 151},    {"ETBFontSize", 152},     {"ETBFontColor", 153},   {"ETBFontButton", 141},
    {"ETBBold", 142},        {"ETBItalic", 143},       {"ETBUnderline", 144},   {"ETBLeftAlign", 145},
    {"ETBCenterAlign", 146}, {"ETBRightAlign", 147},   {"ETBBullets", 148},
    // The editor's popup menu.
    {"MainRichEditPopupMenu", 220}, {"PUUndo", 121},   {"PUCut", 122},          {"PUCopy", 123},
    {"PUPaste", 124},        {"PUDelete", 125},        {"PUSelectAll", 126},    {"PUBold", 142},
    {"PUItalic", 143},       {"PUUnderline", 144},     {"PULeftAlign", 145},    {"PUCenterAlign", 146},
    {"PURightAlign", 147},   {"PUBullets", 148},
};

constexpr TControlContext BibleSearchContexts[] = {
    {"OldT", 221},           {"NewT", 221},            {"Apoc", 221},           {"eStartChapter", 222},
    {"eStartVerse", 222},    {"eEndChapter", 222},     {"eEndVerse", 222},      {"EndOfChapter", 223},
    {"EndOfBook", 224},      {"ChapterHeadings", 225}, {"VerseNumbers", 226},   {"SearchGroup", 227},
    {"FindButton", 228},     {"CancelButton", 229},    {"EndSearchButton", 230}, {"HelpButton", 231},
};

constexpr TControlContext PreferencesContexts[] = {
    {"ShowIcons", 241},      {"ShowVerseNumbers", 242}, {"UseLukanJump", 243},  {"ShowMainToolbar", 244},
    {"ShowEditToolbar", 245}, {"ShowHints", 246},      {"ShowDialogs", 247},    {"LoadPersonalized", 248},
    {"LoadOriginal", 248},   {"AppDataButton", 249},
    {"ChangeVersionsButton", 251}, {"ApplyButton", 252},
    {"InstallButton", 261},  {"UninstallButton", 262}, {"EditButton", 263},
    {"FileRadioButton0", 264}, {"FileRadioButton1", 264}, {"FileRadioButton2", 264},
    {"FileRadioButton3", 264}, {"FileRadioButton4", 264}, {"FileRadioButton5", 264},
    {"FileRadioButton6", 264}, {"FileRadioButton7", 264}, {"FileRadioButton8", 264},
    {"FileRadioButton9", 264}, {"FileRadioButton10", 264}, {"FileRadioButton11", 264},
    {"UninstallEditOKButton", 265}, {"UninstallEditCancelButton", 266},
    {"VersionRadioButton1", 271}, {"VersionRadioButton2", 272}, {"VersionRadioButton3", 273},
    {"VersionRadioButton4", 274}, {"VersionRadioButton5", 275}, {"VersionRadioButton6", 276},
    {"ChangeVersionsOKButton", 277}, {"ChangeVersionsCancelButton", 278},
    {"FileBrowseButton", 281}, {"FileEdit", 282},      {"ScanButton", 283},     {"NameEdit", 284},
    {"InstallOKButton", 285}, {"InstallCancelButton", 286},
    {"OKButton", 291},       {"CancelButton", 292},    {"HelpButton", 293},     {"BrowseDialog", 950},
};

struct TWindowContexts {
    const char* window;
    int context;
    std::span<const TControlContext> controls;
};

const TWindowContexts WindowContexts[] = {
    {"SelvarionMainForm", 400, MainWindowContexts},
    {"DateBox", 450, {}},
    {"CustomFindDialog", 700, {}},
    {"BibleSearchDlg", 800, BibleSearchContexts},
    {"AboutBox", 820, {}},
    {"DonationQuery", 840, {}},
    {"OptionsDialog", 900, PreferencesContexts},
};

} // namespace

void AssignHelpContexts(QWidget& window)
{
    for (const TWindowContexts& entry : WindowContexts) {
        if (window.objectName() != QLatin1String(entry.window))
            continue;
        SetHelpContext(&window, entry.context);
        for (QObject* child : window.findChildren<QObject*>()) {
            for (const TControlContext& control : entry.controls)
                if (child->objectName() == QLatin1String(control.name))
                    SetHelpContext(child, control.context);
        }
        return;
    }
}
