#include "font_dialog.h"

#include "dialog_hook.h"

#include <QFontDialog>

bool ChooseFont(QWidget* parent, QFont& font)
{
    QFontDialog dialog(font, parent);
    QFont dialogFont(QStringLiteral("Arial"));
    dialogFont.setPixelSize(17);
    dialog.setFont(dialogFont);
    const bool confirmed = TDialogHook<QFontDialog>::Run(dialog);
    if (confirmed)
        font = dialog.currentFont();
    return confirmed;
}

void SetFontDialogHook(FontDialogHook hook)
{
    TDialogHook<QFontDialog>::Set(std::move(hook));
}
