#pragma once
// The font dialog of the Format menu.
#include <QColor>
#include <QFont>
#include <QTextCharFormat>
#include <functional>

class QFontDialog;
class QWidget;

// Shows the font dialog with `font` and `color`, as the selection shows them, and the
// standard colours to choose from. Returns what the user changed there, as a format to merge
// into the selection: empty when the dialog is cancelled or confirmed unchanged.
QTextCharFormat ChooseFontChanges(QWidget* parent, const QFont& font, const QColor& color);

// Test hook: when set, the dialog is built as usual but, instead of being shown, handed to
// the hook, whose answer tells whether it was confirmed. nullptr shows it again. The colour
// box is the dialog's child named "FontColor".
using FontDialogHook = std::function<bool(QFontDialog& dialog)>;
void SetFontDialogHook(FontDialogHook hook);
