#include "font_dialog.h"

#include <QFontDialog>

namespace {

FontDialogHook& Hook()
{
    static FontDialogHook hook;
    return hook;
}

} // namespace

bool ChooseFont(QWidget* parent, QFont& font)
{
    QFontDialog dialog(font, parent);
    QFont dialogFont(QStringLiteral("Arial"));
    dialogFont.setPixelSize(17);
    dialog.setFont(dialogFont);
    const bool confirmed = Hook() ? Hook()(dialog) : dialog.exec() == QDialog::Accepted;
    if (confirmed)
        font = dialog.currentFont();
    return confirmed;
}

void SetFontDialogHook(FontDialogHook hook)
{
    Hook() = std::move(hook);
}
