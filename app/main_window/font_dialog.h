#pragma once
// The font dialog of the Format menu.
#include <QFont>
#include <functional>

class QFontDialog;
class QWidget;

// Shows the font dialog starting at `font`; true, with `font` changed, when confirmed.
bool ChooseFont(QWidget* parent, QFont& font);

// Test hook: when set, the dialog is built as usual but, instead of being shown, handed to
// the hook, whose answer tells whether it was confirmed. nullptr shows it again.
using FontDialogHook = std::function<bool(QFontDialog& dialog)>;
void SetFontDialogHook(FontDialogHook hook);
