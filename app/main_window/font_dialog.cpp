#include "font_dialog.h"

#include "dialog_hook.h"
#include "help_keys.h"
#include "standard_colors.h"
#include "window_order.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDialog>
#include <QListView>
#include <QLabel>

#include <utility>

namespace {

// The colour choice goes beside the dialog's effects (strike-out and underline).
QComboBox* AddColorBox(QFontDialog& dialog, const QColor& color)
{
    auto* box = new QComboBox;
    box->setObjectName(QStringLiteral("FontColor"));
    AddStandardColors(*box);
    box->setCurrentIndex(box->findData(color));
    const QList<QCheckBox*> effects = dialog.findChildren<QCheckBox*>();
    QWidget* group = effects.isEmpty() ? nullptr : effects.first()->parentWidget();
    auto* row = group ? qobject_cast<QBoxLayout*>(group->layout()) : nullptr;
    if (!row)
        row = qobject_cast<QBoxLayout*>(dialog.layout());
    auto* label = new QLabel(QStringLiteral("Color:"));
    label->setBuddy(box);
    if (row) {
        row->addWidget(label);
        row->addWidget(box);
    } else {
        label->setParent(&dialog);
        box->setParent(&dialog);
    }
    return box;
}

// The width that a style's name asks for ("Condensed", "Semi Expanded"); normal when it names none.
int StretchOfStyle(const QString& style)
{
    static const std::pair<const char*, QFont::Stretch> widths[] = {
        {"ultracondensed", QFont::UltraCondensed}, {"extracondensed", QFont::ExtraCondensed},
        {"semicondensed", QFont::SemiCondensed},   {"condensed", QFont::Condensed},
        {"ultraexpanded", QFont::UltraExpanded},   {"extraexpanded", QFont::ExtraExpanded},
        {"semiexpanded", QFont::SemiExpanded},     {"expanded", QFont::Expanded}};
    const QString name = style.toLower().remove(QLatin1Char(' ')).remove(QLatin1Char('-'));
    for (const auto& [word, stretch] : widths)
        if (name.contains(QLatin1String(word)))
            return stretch;
    return QFont::Unstretched;
}

} // namespace

QTextCharFormat ChooseFontChanges(QWidget* parent, const QFont& font, const QColor& color)
{
    QFontDialog dialog(FrontWindow(parent));
    KeepAboveStayOnTopWindows(dialog);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    QFont dialogFont(QStringLiteral("Arial"));
    dialogFont.setPixelSize(17);
    dialog.setFont(dialogFont);
    AddHelpButton(dialog, 600);
    dialog.setCurrentFont(font);
    QComboBox* colors = AddColorBox(dialog, color);
    // The lists of fonts, styles and sizes show eight rows, not the two of the dialog's own size.
    for (QListView* list : dialog.findChildren<QListView*>())
        list->setMinimumHeight(8 * list->sizeHintForRow(0) + 2 * list->frameWidth());
    // What the dialog shows before the user acts: only what differs from it was chosen.
    const QFont before = dialog.currentFont();
    const int colorBefore = colors->currentIndex();
    if (!TDialogHook<QFontDialog>::Run(dialog))
        return {};
    const QFont after = dialog.currentFont();
    QTextCharFormat change;
    if (after.family() != before.family())
        change.setFontFamilies(QStringList{after.family()});
    if (after.pointSizeF() != before.pointSizeF())
        change.setFontPointSize(after.pointSizeF());
    if (after.weight() != before.weight())
        change.setFontWeight(after.weight());
    // A style of another width ("Condensed") is its stretch: the face's name alone would
    // neither show on the page nor be kept in its file.
    if (StretchOfStyle(after.styleName()) != StretchOfStyle(before.styleName()))
        change.setFontStretch(StretchOfStyle(after.styleName()));
    if (after.italic() != before.italic())
        change.setFontItalic(after.italic());
    if (after.underline() != before.underline())
        change.setFontUnderline(after.underline());
    if (after.strikeOut() != before.strikeOut())
        change.setFontStrikeOut(after.strikeOut());
    if (colors->currentIndex() != colorBefore && colors->currentIndex() >= 0)
        change.setForeground(colors->currentData().value<QColor>());
    return change;
}

void SetFontDialogHook(FontDialogHook hook)
{
    TDialogHook<QFontDialog>::Set(std::move(hook));
}
