#include "custom_find_dialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QEvent>
#include <QGroupBox>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QToolButton>

#include "help_contexts.h"
#include "help_topics.h"
#include "html_help.h"
#include "selvarion_main_form.h"
#include "text_search.h"

TCustomFindDialog::TCustomFindDialog(TSelvarionMainForm& mainForm)
    : QDialog(&mainForm, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                             Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      FMainForm(mainForm)
{
    setObjectName(QStringLiteral("CustomFindDialog"));
    FindWhatLabel = new QLabel(QStringLiteral("Find what:"), this);
    FindWhatLabel->setGeometry(8, 12, 64, 16);
    FindEdit = new QLineEdit(this);
    FindEdit->setObjectName(QStringLiteral("FindEdit"));
    FindEdit->setMouseTracking(true);
    FindEdit->installEventFilter(this);
    FindWhatLabel->setBuddy(FindEdit);
    const auto addButton = [this](const char* name, const QString& caption) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QLatin1String(name));
        return button;
    };
    FindButton = addButton("FindButton", QStringLiteral("Find"));
    FindButton->setDefault(true);
    FindButton->setEnabled(false);
    CancelButton = addButton("CancelButton", QStringLiteral("Cancel"));
    HelpButton = addButton("HelpButton", QStringLiteral("Help"));
    // Find stays the default button in both modes: Enter finds even after Help had the focus.
    HelpButton->setAutoDefault(false);
    WholeWord = new QCheckBox(QStringLiteral("Match whole word only"), this);
    WholeWord->setObjectName(QStringLiteral("WholeWord"));
    WholeWord->setGeometry(8, 44, 172, 20);
    MatchCase = new QCheckBox(QStringLiteral("Match case"), this);
    MatchCase->setObjectName(QStringLiteral("MatchCase"));
    MatchCase->setGeometry(8, 70, 172, 20);
    DirectionRadioGroup = new QGroupBox(QStringLiteral("Direction"), this);
    DirectionRadioGroup->setObjectName(QStringLiteral("DirectionRadioGroup"));
    DirectionRadioGroup->setGeometry(184, 36, 78, 58);
    DirectionUp = new QRadioButton(QStringLiteral("Up"), DirectionRadioGroup);
    DirectionUp->setGeometry(8, 18, 66, 18);
    DirectionDown = new QRadioButton(QStringLiteral("Down"), DirectionRadioGroup);
    DirectionDown->setGeometry(8, 36, 66, 18);
    DirectionDown->setChecked(true);
    setTabOrder(FindEdit, FindButton);
    setTabOrder(FindButton, CancelButton);
    setTabOrder(CancelButton, HelpButton);
    setTabOrder(HelpButton, WholeWord);
    setTabOrder(WholeWord, MatchCase);
    setTabOrder(MatchCase, DirectionUp);
    ShowOptionControls(true);

    connect(FindEdit, &QLineEdit::textChanged, this, &TCustomFindDialog::FindEditChange);
    connect(FindButton, &QPushButton::clicked, this, &TCustomFindDialog::FindButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::close);
    connect(HelpButton, &QPushButton::clicked, this, &TCustomFindDialog::HelpButtonClick);
    AssignHelpContexts(*this);
    mainForm.CustomFindDialog = this;
}

TCustomFindDialog::~TCustomFindDialog()
{
    FMainForm.CustomFindDialog = nullptr;
}

bool TCustomFindDialog::PageMode() const
{
    return !WholeWord->isHidden();
}

void TCustomFindDialog::ShowOptionControls(bool shown)
{
    WholeWord->setVisible(shown);
    MatchCase->setVisible(shown);
    DirectionRadioGroup->setVisible(shown);
    QPushButton* const buttons[] = {FindButton, CancelButton, HelpButton};
    if (shown) {
        // Page mode: the buttons in a column beside the edit and the options below it.
        setWindowTitle(QStringLiteral("Find"));
        FindEdit->setGeometry(72, 8, 190, 22);
        for (int i = 0; i < 3; ++i)
            buttons[i]->setGeometry(270, 8 + 30 * i, 75, 25);
        setFixedSize(352, 100);
        return;
    }
    // Saint mode: named after what it finds, the edit across the dialog and the buttons in a
    // row below it, with no room left where the options were.
    setWindowTitle(FMainForm.CurrentPage() == TDayPage::TroparionKontakion ? QStringLiteral("Find Saint")
                                                                             : QStringLiteral("Find Life of Saint"));
    FindEdit->setGeometry(72, 8, 273, 22);
    for (int i = 0; i < 3; ++i)
        buttons[i]->setGeometry(108 + 81 * i, 38, 75, 25);
    setFixedSize(352, 71);
}

void TCustomFindDialog::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous())
        FormShow();
}

void TCustomFindDialog::hideEvent(QHideEvent* e)
{
    QDialog::hideEvent(e);
    if (!e->spontaneous())
        FormHide();
}

void TCustomFindDialog::changeEvent(QEvent* e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        FindEditChange();
}

bool TCustomFindDialog::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == FindEdit) {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
            FindEditChange();
            break;
        case QEvent::KeyPress:
        case QEvent::MouseMove:
            MirrorEditState();
            break;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, e);
}

void TCustomFindDialog::FormShow()
{
    FFindSaintBusy = false;
    FindEdit->clear();
    FindButton->setText(QStringLiteral("Find"));
    FFindOptions = 0;
    for (QAction* item : {FMainForm.MFind, FMainForm.MFindNext, FMainForm.MFindSaint})
        item->setEnabled(false);
    FMainForm.MTBFindSaint->setEnabled(false);
}

void TCustomFindDialog::FormHide()
{
    FMainForm.MFind->setEnabled(true);
    FMainForm.MFindNext->setEnabled(PageMode() && !FindEdit->text().isEmpty());
    FMainForm.MFindSaint->setEnabled(true);
    FMainForm.MTBFindSaint->setEnabled(true);
}

void TCustomFindDialog::FindEditChange()
{
    const bool hasText = !FindEdit->text().isEmpty();
    FindButton->setEnabled(hasText);
    if (!hasText)
        FindButton->setText(QStringLiteral("Find"));
    MirrorEditState();
}

// While the edit has the focus, the main window's Edit menu works on it.
void TCustomFindDialog::MirrorEditState()
{
    FMainForm.MUndo->setEnabled(FindEdit->isUndoAvailable());
    FMainForm.MCut->setEnabled(FindEdit->hasSelectedText());
    FMainForm.MCopy->setEnabled(FindEdit->hasSelectedText());
    const QMimeData* clip = QApplication::clipboard()->mimeData();
    FMainForm.MPaste->setEnabled(clip && clip->hasText());
}

void TCustomFindDialog::FindButtonClick()
{
    FFindOptions = 0;
    if (WholeWord->isChecked())
        FFindOptions |= FindWholeWord;
    if (MatchCase->isChecked())
        FFindOptions |= FindMatchCase;
    if (DirectionDown->isChecked())
        FFindOptions |= FindDown;
    if (FindButton->text() == QLatin1String("Find"))
        FindButton->setText(QStringLiteral("Find Next"));
    if (PageMode()) {
        FMainForm.FindOnPage(FFindOptions);
        return;
    }
    FFindSaintBusy = true;
    FMainForm.FindSaint(FFindOptions);
}

QString TCustomFindDialog::HelpTopic() const
{
    return FindDialogTopic(PageMode(), FMainForm.CurrentPage());
}

void TCustomFindDialog::HelpButtonClick()
{
    HtmlHelp::DisplayTopic(FMainForm.FHelpFileName + HelpTopic());
}
