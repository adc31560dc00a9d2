#pragma once
// The main window's Save As dialog: where a copy of the shown page goes, as rich text or
// as plain text.
#include <QString>
#include <functional>

class QFileDialog;
class QWidget;

// Asks for the file to write, starting in `directory`; a name typed without extension gets
// ".RTF". Empty when the user cancels.
QString RunSaveDialog(QWidget* parent, const QString& directory);

// Test hook: when set, the dialog is built as usual but, instead of being shown, handed to
// the hook, whose answer is the chosen file (empty = cancelled). nullptr shows it again.
using SaveDialogHook = std::function<QString(QFileDialog& dialog)>;
void SetSaveDialogHook(SaveDialogHook hook);
