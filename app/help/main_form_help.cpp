// The main window's help: the dispatcher that answers every help request of the program with
// a topic of the help file, and the Help Topics command.
#include <QComboBox>
#include <QCursor>
#include <QToolBar>

#include "bible_search_dlg.h"
#include "custom_find_dialog.h"
#include "help_keys.h"
#include "help_topics.h"
#include "html_help.h"
#include "key_popup.h"
#include "options_dialog.h"
#include "selvarion_main_form.h"

namespace {

// Where several controls share a context, the popup is placed at this one.
struct TFixedControl {
    int context;
    const char* name;
};
constexpr TFixedControl SharedContextControls[] = {
    {221, "NewT"}, {222, "eEndChapter"}, {248, "LoadOriginal"}, {264, "FileRadioButton5"}};

QWidget* ControlOfContext(QWidget* dialog, int context)
{
    if (!dialog)
        return nullptr;
    for (const TFixedControl& fixed : SharedContextControls)
        if (fixed.context == context)
            return dialog->findChild<QWidget*>(QLatin1String(fixed.name));
    for (QWidget* control : dialog->findChildren<QWidget*>())
        if (HelpContextOf(control) == context)
            return control;
    return nullptr;
}

} // namespace

QString TSelvarionMainForm::ReferenceTopicNow(int context) const
{
    if (context == 700)
        return CustomFindDialog ? CustomFindDialog->HelpTopic()
                                : FindDialogTopic(false, CurrentPage());
    if (context == 900)
        return OptionsDialog ? OptionsDialog->HelpTopic() : PreferencesTopic(TPreferencesTopic::Dialog);
    return ReferenceTopic(context);
}

QPoint TSelvarionMainForm::PopupPoint(int context) const
{
    // The edit toolbar's font boxes: a fixed point below the box.
    if (context >= 151 && context <= 153) {
        const QComboBox* box = context == 151 ? ETBFontName : context == 152 ? ETBFontSize : ETBFontColor;
        return {x() + box->x() + (context == 151 ? 45 : 25), y() + EditToolBar->y() + 55};
    }
    // After F1 the popups of the Find Bible Verses and the Preferences dialogs' controls stand
    // at their control.
    if (FHelpKeyPressed)
        for (QWidget* dialog : {static_cast<QWidget*>(BibleSearchDlg), static_cast<QWidget*>(OptionsDialog)})
            if (QWidget* control = ControlOfContext(dialog, context))
                return control->mapToGlobal(QPoint(0, 0));
    return QCursor::pos();
}

bool TSelvarionMainForm::AppOnHelp(uint16_t command, int data, bool& callHelp)
{
    callHelp = false;
    if (command != HelpCommandContext && command != HelpCommandContextPopup)
        return false;
    if (data >= FirstReferenceContext) {
        const QString topic = ReferenceTopicNow(data);
        HtmlHelp::DisplayTopic(topic.isEmpty() ? QString() : FHelpFileName + topic);
    } else {
        QPoint point = QCursor::pos();
        QString address;
        const QString topic = PopupTopic(data, CurrentPage());
        if (!topic.isEmpty()) {
            address = FHelpFileName + topic;
            point = PopupPoint(data);
        }
        TKeyPopup().DisplayURL(address, point.x(), point.y());
    }
    FHelpKeyPressed = false;
    return true;
}

void TSelvarionMainForm::MHelpTopicsClick()
{
    HtmlHelp::DisplayTopic(FHelpFileName);
    ShowHintInStatusBar();
}
