#include "help_topics.h"

namespace {

struct TTopic {
    int context;
    const char* page;   // under "html/", without ".htm"
};

constexpr TTopic ReferenceTopics[] = {
    {400, "refmain/main"},          {450, "refdlg/calendardlg"}, {500, "refdlg/saveasdlg"},
    {550, "refdlg/printdlg"},       {600, "refdlg/fontdlg"},     {800, "refdlg/findbibledlg"},
    {950, "refdlg/browsedlg"},
};

constexpr TTopic PopupTopics[] = {
    {101, "popfile/selectdate"},     {102, "popfile/previousyear"},  {103, "popfile/previousday"},
    {104, "popfile/returntotoday"},  {105, "popfile/nextday"},       {106, "popfile/nextyear"},
    {107, "popfile/save"},           {108, "popfile/saveas"},        {109, "popfile/deletefile"},
    {110, "popfile/print"},          {111, "popfile/exit"},
    {121, "popedit/undo"},           {122, "popedit/cut"},           {123, "popedit/copy"},
    {124, "popedit/paste"},          {125, "popedit/delete"},        {126, "popedit/selectall"},
    {141, "popformat/font"},         {142, "popformat/bold"},        {143, "popformat/italic"},
    {144, "popformat/underline"},    {145, "popformat/leftalign"},   {146, "popformat/centeralign"},
    {147, "popformat/rightalign"},   {148, "popformat/bullets"},
    {151, "popedit/fontname"},       {152, "popedit/fontsize"},      {153, "popedit/fontcolor"},
    {161, "popsearch/findpage"},     {162, "popsearch/findnext"},    {164, "popsearch/endsearch"},
    {181, "popoptions/oldcalendar"}, {182, "popoptions/newcalendar"}, {183, "popoptions/selvarion"},
    {184, "popoptionsbiblereadings"}, {185, "popoptions/synaxarion"}, {186, "popoptions/preferences"},
    {187, "poppreferences/showversenumbers"},
    {188, "popinfo/shownexticonbutton"},
    {201, "pophelp/helptopics"},     {202, "pophelp/findeaster"},    {203, "pophelp/expressappreciation"},
    {204, "pophelp/about"},
    {221, "popbibledlg/book"},       {222, "popbibledlg/chapterverse"}, {223, "popbibledlg/endofchapter"},
    {224, "popbibledlg/endofbook"},  {225, "popbibledlg/chapterheadings"},
    {226, "popbibledlg/versenumbers"}, {227, "popbibledlg/searchin"}, {228, "popbibledlg/findbutton"},
    {229, "popbibledlg/cancelbutton"}, {230, "popbibledlg/endsearchbutton"},
    {231, "popbibledlg/helpbutton"},
    {241, "poppreferences/showicons"}, {242, "poppreferences/showversenumbers"},
    {243, "poppreferences/uselukanjump"}, {244, "poppreferences/showtoolbars"},
    {245, "poppreferences/showtoolbars"}, {246, "poppreferences/showhints"},
    {247, "poppreferences/showallmessagedialogs"}, {248, "poppreferences/loadingpersonalizedfiles"},
    {249, "poppreferences/browseapplicationdatadirectory"},
    {251, "poppreferences/changeactiveversionsbutton"}, {252, "poppreferences/applychangesbutton"},
    {261, "poppreferences/filesinstallbutton"}, {262, "poppreferences/filesuninstallbutton"},
    {263, "poppreferences/fileseditbutton"}, {264, "poppreferences/filescheckbox"},
    {265, "poppreferences/filesokbutton"}, {266, "poppreferences/filescancelbutton"},
    {271, "poppreferences/oldtreadings"}, {272, "poppreferences/newtreadings"},
    {273, "poppreferences/apocreadings"}, {274, "poppreferences/oldtsearch"},
    {275, "poppreferences/newtsearch"}, {276, "poppreferences/apocsearch"},
    {277, "poppreferences/versionsokbutton"}, {278, "poppreferences/versionscancelbutton"},
    {281, "poppreferences/browsebutton"}, {282, "poppreferences/fileedit"},
    {283, "poppreferences/scanbutton"}, {284, "poppreferences/nameedit"},
    {285, "poppreferences/installokbutton"}, {286, "poppreferences/installcancelbutton"},
    {291, "poppreferences/mainokbutton"}, {292, "poppreferences/maincancelbutton"},
    {293, "poppreferences/mainhelpbutton"},
};

template <size_t N>
const char* PageOf(const TTopic (&topics)[N], int context)
{
    for (const TTopic& topic : topics)
        if (topic.context == context)
            return topic.page;
    return nullptr;
}

QString PopupPart(const char* page)
{
    return QStringLiteral("::/html/") + QLatin1String(page) + QStringLiteral(".htm");
}

QString ReferencePart(const char* page, const char* anchor = nullptr)
{
    QString part = PopupPart(page);
    if (anchor)
        part += QLatin1Char('#') + QLatin1String(anchor);
    return part + QStringLiteral(">secwin");
}

} // namespace

QString ReferenceTopic(int context)
{
    const char* page = PageOf(ReferenceTopics, context);
    return page ? ReferencePart(page) : QString();
}

QString PopupTopic(int context, TDayPage shownPage)
{
    if (context == 163) {
        switch (shownPage) {
        case TDayPage::TroparionKontakion:
            return PopupPart("popsearch/findsaint");
        case TDayPage::DailyBibleReadings:
            return PopupPart("popsearch/findbible");
        case TDayPage::LivesSaints:
            return PopupPart("popsearch/findlifeofsaint");
        }
    }
    const char* page = PageOf(PopupTopics, context);
    return page ? PopupPart(page) : QString();
}

QString FindDialogTopic(bool pageMode, TDayPage shownPage)
{
    if (pageMode)
        return ReferencePart("refdlg/findpagedlg");
    return ReferencePart(shownPage == TDayPage::TroparionKontakion ? "refdlg/findsaintdlg"
                                                                  : "refdlg/findlifeofsaintdlg");
}

QString PreferencesTopic(TPreferencesTopic part)
{
    switch (part) {
    case TPreferencesTopic::Preferences:
        return ReferencePart("refdlg/preferencesdlg", "Preferences");
    case TPreferencesTopic::Versions:
        return ReferencePart("refdlg/preferencesdlg", "Versions");
    case TPreferencesTopic::Files:
        return ReferencePart("refdlg/preferencesdlg", "Files");
    case TPreferencesTopic::Install:
        return ReferencePart("refdlg/preferencesdlg", "Install");
    case TPreferencesTopic::Dialog:
        break;
    }
    return ReferencePart("refdlg/preferencesdlg");
}
