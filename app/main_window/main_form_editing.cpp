// The main window's editing commands: the Edit and Format menus, the edit toolbar and the
// editor's popup menu, whose states follow the selection in the editor.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScopeGuard>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextList>
#include <QToolBar>
#include <QToolButton>

#include <cmath>
#include <functional>

#include "font_dialog.h"
#include "selvarion_main_form.h"
#include "standard_colors.h"
#include "toolbar_images.h"

namespace {

constexpr int FontSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};

// Alignments in the order of the tags of their controls: 0 left, 1 right, 2 centre. Left and
// right are absolute: a right-to-left paragraph does not turn them about.
constexpr Qt::Alignment TagAlignments[] = {Qt::AlignLeft | Qt::AlignAbsolute, Qt::AlignRight | Qt::AlignAbsolute,
                                           Qt::AlignHCenter};

void SetControlHint(QWidget* control, const QString& shortPart, const QString& longPart)
{
    control->setToolTip(shortPart);
    control->setStatusTip(longPart);
}

// Writes the main window's hint into the status bar when a box is entered or clicked.
class THintOnEntry : public QObject {
public:
    explicit THintOnEntry(TSelvarionMainForm& form) : QObject(&form), form_(form) {}
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() == QEvent::FocusIn || e->type() == QEvent::MouseButtonPress)
            form_.ShowHintInStatusBar();
        return QObject::eventFilter(watched, e);
    }
private:
    TSelvarionMainForm& form_;
};

// The text box the edit commands act on: the page, or the focused text box of another
// active window of the program (the Find dialog's).
struct TEditTarget {
    QTextEdit* edit = nullptr;
    QLineEdit* line = nullptr;
};

TEditTarget EditTargetOf(TSelvarionMainForm& form)
{
    QWidget* active = QApplication::activeWindow();
    if (active && active != &form) {
        QWidget* focus = active->focusWidget();
        if (auto* line = qobject_cast<QLineEdit*>(focus))
            return {nullptr, line};
        if (auto* combo = qobject_cast<QComboBox*>(focus); combo && combo->lineEdit())
            return {nullptr, combo->lineEdit()};
        if (auto* edit = qobject_cast<QTextEdit*>(focus))
            return {edit, nullptr};
    }
    return {form.MainRichEdit, nullptr};
}

// The selection's font with the editor's default font filling what the text leaves open.
QFont SelectionFont(const QTextEdit& edit)
{
    return edit.currentCharFormat().font().resolve(edit.document()->defaultFont());
}

// A font's size in points, rounded to a whole number.
int PointSizeOf(const QFont& font, const QWidget& device)
{
    if (font.pointSizeF() > 0)
        return static_cast<int>(std::lround(font.pointSizeF()));
    return static_cast<int>(std::lround(font.pixelSize() * 72.0 / device.logicalDpiY()));
}

QColor SelectionColor(const QTextEdit& edit)
{
    const QBrush brush = edit.currentCharFormat().foreground();
    return brush.style() == Qt::NoBrush ? QColor(Qt::black) : brush.color();
}

// The tag of the alignment a paragraph shows, in a paragraph of that direction.
int AlignmentTag(Qt::Alignment alignment, Qt::LayoutDirection direction)
{
    alignment = QStyle::visualAlignment(direction, alignment);
    if (alignment & Qt::AlignHCenter)
        return 2;
    if (alignment & Qt::AlignRight)
        return 1;
    return 0;
}

} // namespace

void TSelvarionMainForm::CreateEditCommands()
{
    // Menus, between File and Search.
    MEdit = new QMenu(QStringLiteral("&Edit"), this);
    MEdit->setObjectName(QStringLiteral("MEdit"));
    menuBar()->insertMenu(MSearch->menuAction(), MEdit);
    MEdit->menuAction()->setStatusTip(QStringLiteral("Undo, delete, copy, insert and select text"));
    MUndo = AddCommand(MEdit, "MUndo", QStringLiteral("&Undo"),
                       QStringLiteral("Undo|Reverses the last action"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    MEdit->addSeparator();
    MCut = AddCommand(MEdit, "MCut", QStringLiteral("Cu&t"),
                      QStringLiteral("Cut|Removes the selection and puts it on the clipboard"),
                      QKeySequence(Qt::CTRL | Qt::Key_X));
    MCopy = AddCommand(MEdit, "MCopy", QStringLiteral("&Copy"),
                       QStringLiteral("Copy|Copies the selection and puts it on the clipboard"),
                       QKeySequence(Qt::CTRL | Qt::Key_C));
    MPaste = AddCommand(MEdit, "MPaste", QStringLiteral("&Paste"),
                        QStringLiteral("Paste|Inserts the text on the clipboard at the insertion point"),
                        QKeySequence(Qt::CTRL | Qt::Key_V));
    MDelete = AddCommand(MEdit, "MDelete", QStringLiteral("&Delete"),
                         QStringLiteral("Removes the selection without puting it on the clipboard"),
                         QKeySequence(Qt::Key_Delete));
    MEdit->addSeparator();
    MSelectAll = AddCommand(MEdit, "MSelectAll", QStringLiteral("Select &All"),
                            QStringLiteral("Selects the entire document"), QKeySequence(Qt::CTRL | Qt::Key_A));
    for (QAction* item : {MUndo, MCut, MCopy, MPaste})
        item->setEnabled(false);

    MFormat = new QMenu(QStringLiteral("Fo&rmat"), this);
    MFormat->setObjectName(QStringLiteral("MFormat"));
    menuBar()->insertMenu(MSearch->menuAction(), MFormat);
    MFormat->menuAction()->setStatusTip(QStringLiteral("Format text in the active document"));
    MFont = AddCommand(MFormat, "MFont", QStringLiteral("&Font..."),
                       QStringLiteral("Font Dialog|Opens the font selection dialog box"));
    MFormat->addSeparator();
    MBold = AddCommand(MFormat, "MBold", QStringLiteral("&Bold"),
                       QStringLiteral("Bold|Makes the selection bold (toggle)"), QKeySequence(Qt::CTRL | Qt::Key_B));
    MItalic = AddCommand(MFormat, "MItalic", QStringLiteral("&Italic"),
                         QStringLiteral("Italic|Makes the selection Italic (toggle)"), QKeySequence(Qt::CTRL | Qt::Key_I));
    MUnderline = AddCommand(MFormat, "MUnderline", QStringLiteral("&Underline"),
                            QStringLiteral("Underline|Makes the selection underlined (toggle)"),
                            QKeySequence(Qt::CTRL | Qt::Key_U));
    MFormat->addSeparator();
    MLeftAlign = AddCommand(MFormat, "MLeftAlign", QStringLiteral("&Left Align"),
                            QStringLiteral("Left Align|Aligns the paragraph at the left margin"),
                            QKeySequence(Qt::CTRL | Qt::Key_L));
    MCenterAlign = AddCommand(MFormat, "MCenterAlign", QStringLiteral("&Center Align"),
                              QStringLiteral("Center Align|Centers the paragraph between the margins"),
                              QKeySequence(Qt::CTRL | Qt::Key_N));
    MRightAlign = AddCommand(MFormat, "MRightAlign", QStringLiteral("&Right Align"),
                             QStringLiteral("Right Align|Aligns the paragraph at the right margin"),
                             QKeySequence(Qt::CTRL | Qt::Key_R));
    MFormat->addSeparator();
    MBullets = AddCommand(MFormat, "MBullets", QStringLiteral("Bulle&ts"),
                          QStringLiteral("Bullets|Adds a bullet to the selected paragraph or paragraphs (toggle)"),
                          QKeySequence(Qt::CTRL | Qt::Key_T));
    for (QAction* item : {MBold, MItalic, MUnderline, MLeftAlign, MCenterAlign, MRightAlign, MBullets})
        item->setCheckable(true);
    MLeftAlign->setChecked(true);

    // Print, in the File menu above Exit.
    const QList<QAction*> fileItems = MFile->actions();
    const qsizetype exitIndex = fileItems.indexOf(MExit);
    QAction* beforePrint = exitIndex > 0 ? fileItems[exitIndex - 1] : MExit;
    MPrint = new QAction(QStringLiteral("&Print..."), this);
    MPrint->setObjectName(QStringLiteral("MPrint"));
    MPrint->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    MPrint->setToolTip(QStringLiteral("Prints the active document"));
    MPrint->setStatusTip(QStringLiteral("Prints the active document"));
    MFile->insertAction(beforePrint, MPrint);
    connect(MPrint, &QAction::triggered, this, &TSelvarionMainForm::MPrintClick);

    // The editor's popup menu.
    MainRichEditPopupMenu = new QMenu(this);
    MainRichEditPopupMenu->setObjectName(QStringLiteral("MainRichEditPopupMenu"));
    const auto popupItem = [this](const char* name, const QString& caption, QAction* namesake) {
        QAction* item = MainRichEditPopupMenu->addAction(caption);
        item->setObjectName(QLatin1String(name));
        item->setCheckable(namesake->isCheckable());
        item->setEnabled(namesake->isEnabled());
        return item;
    };
    PUUndo = popupItem("PUUndo", QStringLiteral("Undo"), MUndo);
    MainRichEditPopupMenu->addSeparator();
    PUCut = popupItem("PUCut", QStringLiteral("Cut"), MCut);
    PUCopy = popupItem("PUCopy", QStringLiteral("Copy"), MCopy);
    PUPaste = popupItem("PUPaste", QStringLiteral("Paste"), MPaste);
    PUDelete = popupItem("PUDelete", QStringLiteral("Delete"), MDelete);
    MainRichEditPopupMenu->addSeparator();
    PUSelectAll = popupItem("PUSelectAll", QStringLiteral("Select All"), MSelectAll);
    MainRichEditPopupMenu->addSeparator();
    PUBold = popupItem("PUBold", QStringLiteral("Bold"), MBold);
    PUItalic = popupItem("PUItalic", QStringLiteral("Italic"), MItalic);
    PUUnderline = popupItem("PUUnderline", QStringLiteral("Underline"), MUnderline);
    MainRichEditPopupMenu->addSeparator();
    PULeftAlign = popupItem("PULeftAlign", QStringLiteral("Left Align"), MLeftAlign);
    PUCenterAlign = popupItem("PUCenterAlign", QStringLiteral("Center Align"), MCenterAlign);
    PURightAlign = popupItem("PURightAlign", QStringLiteral("Right Align"), MRightAlign);
    MainRichEditPopupMenu->addSeparator();
    PUBullets = popupItem("PUBullets", QStringLiteral("Bullets"), MBullets);
    MainRichEdit->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(MainRichEdit, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        MainRichEditPopupMenuPopup();
        MainRichEditPopupMenu->popup(MainRichEdit->viewport()->mapToGlobal(pos));
    });

    // The edit toolbar.
    QFont barFont(QStringLiteral("Arial"));
    barFont.setPixelSize(12);
    barFont.setBold(false);
    barFont.setItalic(false);
    EditToolBar->setFont(barFont);
    EditToolBar->setIconSize(QSize(16, 16));
    // An image button; its caption is the short hint, the name the button goes by.
    const auto button = [this](const char* name, TToolbarImage image, QAction* menuItem, bool checkable) {
        auto* b = new QToolButton(EditToolBar);
        b->setObjectName(QLatin1String(name));
        b->setText(menuItem->toolTip());
        b->setIcon(ToolbarImage(image));
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
        b->setAutoRaise(true);
        b->setCheckable(checkable);
        b->setFixedSize(ImageButtonSize);
        b->setFocusPolicy(Qt::NoFocus);
        SetControlHint(b, menuItem->toolTip(), menuItem->statusTip());
        EditToolBar->addWidget(b);
        return b;
    };
    ETBUndo = button("ETBUndo", TToolbarImage::Undo, MUndo, false);
    ETBCut = button("ETBCut", TToolbarImage::Cut, MCut, false);
    ETBCopy = button("ETBCopy", TToolbarImage::Copy, MCopy, false);
    ETBPaste = button("ETBPaste", TToolbarImage::Paste, MPaste, false);
    for (QToolButton* b : {ETBUndo, ETBCut, ETBCopy, ETBPaste})
        b->setEnabled(false);
    EditToolBar->addSeparator();

    auto* hintOnEntry = new THintOnEntry(*this);
    ETBFontName = new QComboBox(EditToolBar);
    ETBFontName->setObjectName(QStringLiteral("ETBFontName"));
    ETBFontName->setEditable(true);
    ETBFontName->setInsertPolicy(QComboBox::NoInsert);
    ETBFontName->setFixedWidth(177);
    QStringList families = QFontDatabase::families();
    families.sort(Qt::CaseInsensitive);
    ETBFontName->addItems(families);
    SetControlHint(ETBFontName, QStringLiteral("Font Name"), QStringLiteral("Changes the font of the selection"));
    ETBFontName->installEventFilter(hintOnEntry);
    ETBFontName->lineEdit()->installEventFilter(hintOnEntry);
    EditToolBar->addWidget(ETBFontName);

    ETBFontSize = new QComboBox(EditToolBar);
    ETBFontSize->setObjectName(QStringLiteral("ETBFontSize"));
    ETBFontSize->setEditable(true);
    ETBFontSize->setInsertPolicy(QComboBox::NoInsert);
    ETBFontSize->lineEdit()->setMaxLength(2);
    ETBFontSize->setFixedWidth(53);
    for (int size : FontSizes)
        ETBFontSize->addItem(QString::number(size));
    SetControlHint(ETBFontSize, QStringLiteral("Font Size"), QStringLiteral("Changes the font size of the selection"));
    ETBFontSize->installEventFilter(hintOnEntry);
    ETBFontSize->lineEdit()->installEventFilter(hintOnEntry);
    EditToolBar->addWidget(ETBFontSize);

    ETBFontColor = new QComboBox(EditToolBar);
    ETBFontColor->setObjectName(QStringLiteral("ETBFontColor"));
    ETBFontColor->setFixedWidth(112);
    AddStandardColors(*ETBFontColor);
    SetControlHint(ETBFontColor, QStringLiteral("Font Color"), QStringLiteral("Changes the color of the selection"));
    ETBFontColor->installEventFilter(hintOnEntry);
    EditToolBar->addWidget(ETBFontColor);

    ETBFontButton = button("ETBFontButton", TToolbarImage::Font, MFont, false);
    EditToolBar->addSeparator();
    ETBBold = button("ETBBold", TToolbarImage::Bold, MBold, true);
    ETBItalic = button("ETBItalic", TToolbarImage::Italic, MItalic, true);
    ETBUnderline = button("ETBUnderline", TToolbarImage::Underline, MUnderline, true);
    EditToolBar->addSeparator();
    ETBLeftAlign = button("ETBLeftAlign", TToolbarImage::LeftAlign, MLeftAlign, true);
    ETBCenterAlign = button("ETBCenterAlign", TToolbarImage::CenterAlign, MCenterAlign, true);
    ETBRightAlign = button("ETBRightAlign", TToolbarImage::RightAlign, MRightAlign, true);
    for (QToolButton* b : {ETBLeftAlign, ETBCenterAlign, ETBRightAlign})
        b->setAutoExclusive(true);
    ETBLeftAlign->setChecked(true);
    EditToolBar->addSeparator();
    ETBBullets = button("ETBBullets", TToolbarImage::Bullets, MBullets, true);
    EditToolBar->addSeparator();

    // Commands: menu items, popup items and toolbar buttons.
    const auto bind = [this](QAction* menuItem, QAction* popup, QToolButton* toolButton,
                             void (TSelvarionMainForm::*handler)()) {
        for (QAction* item : {menuItem, popup})
            if (item)
                connect(item, &QAction::triggered, this, handler);
        if (toolButton)
            connect(toolButton, &QToolButton::clicked, this, handler);
    };
    bind(MUndo, PUUndo, ETBUndo, &TSelvarionMainForm::MUndoClick);
    bind(MCut, PUCut, ETBCut, &TSelvarionMainForm::MCutClick);
    bind(MCopy, PUCopy, ETBCopy, &TSelvarionMainForm::MCopyClick);
    bind(MPaste, PUPaste, ETBPaste, &TSelvarionMainForm::MPasteClick);
    bind(MDelete, PUDelete, nullptr, &TSelvarionMainForm::MDeleteClick);
    bind(MSelectAll, PUSelectAll, nullptr, &TSelvarionMainForm::MSelectAllClick);
    bind(MFont, nullptr, ETBFontButton, &TSelvarionMainForm::MFontClick);
    const auto bindFormat = [this](std::initializer_list<QObject*> senders,
                                   void (TSelvarionMainForm::*handler)(QObject*)) {
        for (QObject* sender : senders) {
            const auto run = [this, sender, handler] { (this->*handler)(sender); };
            if (auto* item = qobject_cast<QAction*>(sender))
                connect(item, &QAction::triggered, this, run);
            else
                connect(static_cast<QToolButton*>(sender), &QToolButton::clicked, this, run);
        }
    };
    bindFormat({MBold, PUBold, ETBBold}, &TSelvarionMainForm::ETBBoldClick);
    bindFormat({MItalic, PUItalic, ETBItalic}, &TSelvarionMainForm::ETBItaliClick);
    bindFormat({MUnderline, PUUnderline, ETBUnderline}, &TSelvarionMainForm::ETBUnderlineClick);
    bindFormat({MLeftAlign, PULeftAlign, ETBLeftAlign, MCenterAlign, PUCenterAlign, ETBCenterAlign,
                MRightAlign, PURightAlign, ETBRightAlign},
               &TSelvarionMainForm::ETBAlignClick);
    bindFormat({MBullets, PUBullets, ETBBullets}, &TSelvarionMainForm::ETBBulletsClick);
    connect(ETBFontName, &QComboBox::activated, this, &TSelvarionMainForm::ETBFontNameChange);
    connect(ETBFontSize, &QComboBox::activated, this, [this] { ETBFontSizeChange(false); });
    connect(ETBFontSize->lineEdit(), &QLineEdit::textEdited, this, [this] { ETBFontSizeChange(true); });
    connect(ETBFontColor, &QComboBox::activated, this, &TSelvarionMainForm::ETBFontColorChange);

    // The states follow the editor, the clipboard and the window's activation.
    connect(MainRichEdit, &QTextEdit::selectionChanged, this, &TSelvarionMainForm::MainRichEditSelectionChange);
    connect(MainRichEdit, &QTextEdit::cursorPositionChanged, this, &TSelvarionMainForm::MainRichEditSelectionChange);
    connect(MainRichEdit, &QTextEdit::currentCharFormatChanged, this,
            &TSelvarionMainForm::MainRichEditSelectionChange);
    connect(MainRichEdit, &QTextEdit::undoAvailable, this, &TSelvarionMainForm::MainRichEditSelectionChange);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this,
            &TSelvarionMainForm::MainRichEditSelectionChange);
    connect(qApp, &QApplication::focusChanged, this, [this] {
        if (isActiveWindow())
            MainRichEditSelectionChange();
    });
    MainRichEdit->setBackgroundRole(QPalette::Base);
    MainRichEdit->setAutoFillBackground(true);
    SetEditMargins();
    MainRichEditSelectionChange();
}

void TSelvarionMainForm::MUndoClick()
{
    const TEditTarget target = EditTargetOf(*this);
    if (target.edit && target.edit->document()->isUndoAvailable())
        target.edit->undo();
    else if (target.line && target.line->isUndoAvailable())
        target.line->undo();
    ShowHintInStatusBar();
}

void TSelvarionMainForm::MCutClick()
{
    const TEditTarget target = EditTargetOf(*this);
    if (target.edit)
        target.edit->cut();
    else
        target.line->cut();
    ShowHintInStatusBar();
}

void TSelvarionMainForm::MCopyClick()
{
    const TEditTarget target = EditTargetOf(*this);
    if (target.edit)
        target.edit->copy();
    else
        target.line->copy();
    ShowHintInStatusBar();
}

void TSelvarionMainForm::MPasteClick()
{
    const TEditTarget target = EditTargetOf(*this);
    if (target.edit)
        target.edit->paste();
    else
        target.line->paste();
    ShowHintInStatusBar();
}

void TSelvarionMainForm::MDeleteClick()
{
    const TEditTarget target = EditTargetOf(*this);
    if (target.line) {
        target.line->del();
        return;
    }
    QTextCursor cursor = target.edit->textCursor();
    if (!cursor.hasSelection())
        cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    target.edit->setTextCursor(cursor);
}

void TSelvarionMainForm::MSelectAllClick()
{
    const TEditTarget target = EditTargetOf(*this);
    if (target.edit)
        target.edit->selectAll();
    else
        target.line->selectAll();
}

void TSelvarionMainForm::MainRichEditSelectionChange()
{
    FUpdatingToolbar = true;
    const auto done = qScopeGuard([this] { FUpdatingToolbar = false; });

    const bool canUndo = MainRichEdit->document()->isUndoAvailable();
    MUndo->setEnabled(canUndo);
    PUUndo->setEnabled(canUndo);
    ETBUndo->setEnabled(canUndo);
    const bool selected = MainRichEdit->textCursor().hasSelection();
    for (QAction* item : {MCut, MCopy, PUCut, PUCopy})
        item->setEnabled(selected);
    ETBCut->setEnabled(selected);
    ETBCopy->setEnabled(selected);
    const QMimeData* clip = QApplication::clipboard()->mimeData();
    const bool canPaste = clip && clip->hasText();
    MPaste->setEnabled(canPaste);
    PUPaste->setEnabled(canPaste);
    ETBPaste->setEnabled(canPaste);

    const QFont font = SelectionFont(*MainRichEdit);
    // The box's current item goes with its text: an editable box takes a text that differs
    // from its item, when it loses the focus, for a choice of that item.
    const QString size = QString::number(PointSizeOf(font, *MainRichEdit));
    ETBFontSize->setCurrentIndex(ETBFontSize->findText(size));
    ETBFontSize->setEditText(size);
    const QString family = font.family();
    const int familyIndex = ETBFontName->findText(family, Qt::MatchFixedString);
    ETBFontName->setCurrentIndex(familyIndex);
    ETBFontName->setEditText(familyIndex < 0 ? family : ETBFontName->itemText(familyIndex));
    ETBFontColor->setCurrentIndex(ETBFontColor->findData(SelectionColor(*MainRichEdit)));

    ETBBold->setChecked(font.bold());
    ETBItalic->setChecked(font.italic());
    ETBUnderline->setChecked(font.underline());
    MBold->setChecked(ETBBold->isChecked());
    MItalic->setChecked(ETBItalic->isChecked());
    MUnderline->setChecked(ETBUnderline->isChecked());

    ETBBullets->setChecked(MainRichEdit->textCursor().currentList() != nullptr);
    MBullets->setChecked(ETBBullets->isChecked());

    // While the document is being replaced the cursor may stand in no block.
    const QTextBlock block = MainRichEdit->textCursor().block();
    const int tag = AlignmentTag(MainRichEdit->alignment(), block.isValid() ? block.textDirection() : Qt::LeftToRight);
    QToolButton* alignButtons[] = {ETBLeftAlign, ETBRightAlign, ETBCenterAlign};
    alignButtons[tag]->setChecked(true);
    MLeftAlign->setChecked(tag == 0);
    MRightAlign->setChecked(tag == 1);
    MCenterAlign->setChecked(tag == 2);
}

namespace {

// Bold, italic and underline: a menu item flips its button first (a toolbar click already
// has); the selection then gets the style as the button shows it.
void ToggleStyle(TSelvarionMainForm& form, QObject* sender, QToolButton* button, QAction* menuItem,
                 QAction* popupItem, const std::function<void(QTextCharFormat&, bool)>& setStyle)
{
    if (form.FUpdatingToolbar)
        return;
    form.MainRichEdit->document()->setModified(true);
    if (sender == menuItem || sender == popupItem)
        button->setChecked(!button->isChecked());
    menuItem->setChecked(button->isChecked());
    QTextCharFormat change;
    setStyle(change, button->isChecked());
    form.MainRichEdit->mergeCurrentCharFormat(change);
    form.ShowHintInStatusBar();
}

// Runs `change` on the page's paragraphs without touching the page's modified flag.
void KeepingModified(QTextEdit& edit, const std::function<void()>& change)
{
    const bool modified = edit.document()->isModified();
    change();
    edit.document()->setModified(modified);
}

} // namespace

void TSelvarionMainForm::ETBBoldClick(QObject* sender)
{
    ToggleStyle(*this, sender, ETBBold, MBold, PUBold,
                [](QTextCharFormat& f, bool on) { f.setFontWeight(on ? QFont::Bold : QFont::Normal); });
}

void TSelvarionMainForm::ETBItaliClick(QObject* sender)
{
    ToggleStyle(*this, sender, ETBItalic, MItalic, PUItalic,
                [](QTextCharFormat& f, bool on) { f.setFontItalic(on); });
}

void TSelvarionMainForm::ETBUnderlineClick(QObject* sender)
{
    ToggleStyle(*this, sender, ETBUnderline, MUnderline, PUUnderline,
                [](QTextCharFormat& f, bool on) { f.setFontUnderline(on); });
}

void TSelvarionMainForm::ETBAlignClick(QObject* sender)
{
    if (FUpdatingToolbar)
        return;
    // Controls in the order of their tags.
    const QObject* menuItems[] = {MLeftAlign, MRightAlign, MCenterAlign};
    const QObject* popupItems[] = {PULeftAlign, PURightAlign, PUCenterAlign};
    QToolButton* buttons[] = {ETBLeftAlign, ETBRightAlign, ETBCenterAlign};
    int tag = 0;
    bool fromMenu = false;
    for (int i = 0; i < 3; ++i) {
        if (sender == menuItems[i] || sender == popupItems[i]) {
            tag = i;
            fromMenu = true;
        } else if (sender == buttons[i]) {
            tag = i;
        }
    }
    KeepingModified(*MainRichEdit, [&] { MainRichEdit->setAlignment(TagAlignments[tag]); });
    if (fromMenu)
        buttons[tag]->setChecked(true);
    MLeftAlign->setChecked(ETBLeftAlign->isChecked());
    MRightAlign->setChecked(ETBRightAlign->isChecked());
    MCenterAlign->setChecked(ETBCenterAlign->isChecked());
    ShowHintInStatusBar();
}

void TSelvarionMainForm::ETBBulletsClick(QObject* sender)
{
    if (FUpdatingToolbar)
        return;
    if (sender == MBullets || sender == PUBullets)
        ETBBullets->setChecked(!ETBBullets->isChecked());
    const bool bullets = ETBBullets->isChecked();
    KeepingModified(*MainRichEdit, [&] {
        QTextCursor cursor = MainRichEdit->textCursor();
        if (bullets) {
            if (!cursor.currentList())
                cursor.createList(QTextListFormat::ListDisc);
            return;
        }
        QTextBlock block = MainRichEdit->document()->findBlock(cursor.selectionStart());
        const QTextBlock last = MainRichEdit->document()->findBlock(cursor.selectionEnd());
        for (;; block = block.next()) {
            if (QTextList* list = block.textList()) {
                list->remove(block);
                QTextBlockFormat format = block.blockFormat();
                format.setIndent(0);
                QTextCursor(block).setBlockFormat(format);
            }
            if (block == last || !block.isValid())
                break;
        }
    });
    MBullets->setChecked(bullets);
    ShowHintInStatusBar();
}

void TSelvarionMainForm::ETBFontNameChange()
{
    if (FUpdatingToolbar || ETBFontName->currentIndex() < 0)
        return;
    MainRichEdit->document()->setModified(true);
    QTextCharFormat change;
    change.setFontFamilies({ETBFontName->itemText(ETBFontName->currentIndex())});
    MainRichEdit->mergeCurrentCharFormat(change);
    if (MainRichEdit->isVisible())
        MainRichEdit->setFocus();
}

void TSelvarionMainForm::ETBFontSizeChange(bool typed)
{
    if (FUpdatingToolbar)
        return;
    // Only a whole number of points is a size; anything else (an empty box while typing)
    // leaves the text as it is.
    bool ok = false;
    const int size = ETBFontSize->currentText().trimmed().toInt(&ok);
    if (!ok || size <= 0)
        return;
    MainRichEdit->document()->setModified(true);
    QTextCharFormat change;
    change.setFontPointSize(size);
    MainRichEdit->mergeCurrentCharFormat(change);
    if (!typed && MainRichEdit->isVisible())
        MainRichEdit->setFocus();
}

void TSelvarionMainForm::ETBFontColorChange()
{
    if (FUpdatingToolbar || ETBFontColor->currentIndex() < 0)
        return;
    MainRichEdit->document()->setModified(true);
    QTextCharFormat change;
    change.setForeground(ETBFontColor->currentData().value<QColor>());
    MainRichEdit->mergeCurrentCharFormat(change);
    if (MainRichEdit->isVisible())
        MainRichEdit->setFocus();
}

void TSelvarionMainForm::MFontClick()
{
    // The dialog starts at the font the selection is drawn with (a family the page names may
    // be drawn with its installed stand-in); only what the user changes there is applied.
    QFont shown = SelectionFont(*MainRichEdit);
    shown.setFamily(QFontInfo(shown).family());
    shown.setPointSize(PointSizeOf(shown, *MainRichEdit));
    const QTextCharFormat change = ChooseFontChanges(this, shown, SelectionColor(*MainRichEdit));
    if (!change.isEmpty())
        MainRichEdit->mergeCurrentCharFormat(change);
    MainRichEditSelectionChange();
}

void TSelvarionMainForm::MainRichEditPopupMenuPopup()
{
    PUBold->setChecked(ETBBold->isChecked());
    PUItalic->setChecked(ETBItalic->isChecked());
    PUUnderline->setChecked(ETBUnderline->isChecked());
    PULeftAlign->setChecked(ETBLeftAlign->isChecked());
    PUCenterAlign->setChecked(ETBCenterAlign->isChecked());
    PURightAlign->setChecked(ETBRightAlign->isChecked());
    PUBullets->setChecked(ETBBullets->isChecked());
}

namespace {

// Reaches the scroll area's margins of a text edit, which the class keeps for subclasses.
struct TViewportAccess : QTextEdit {
    static void SetMargins(QTextEdit& edit, const QMargins& margins)
    {
        void (QAbstractScrollArea::*set)(const QMargins&) = &TViewportAccess::setViewportMargins;
        (edit.*set)(margins);
    }
};

} // namespace

void TSelvarionMainForm::SetEditMargins()
{
    // The margins belong to the view, so they hold for every page loaded into it.
    TViewportAccess::SetMargins(*MainRichEdit, QMargins(20, 18, 20, 18));
}
