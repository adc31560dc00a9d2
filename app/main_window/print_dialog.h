#pragma once
// The Print dialog of the File menu.
#include <functional>

class QPrintDialog;
class QPrinter;
class QWidget;

// Lets the user choose the printer and the range: all pages, page numbers or the selection.
// False when cancelled.
bool RunPrintDialog(QWidget* parent, QPrinter& printer);

// Test hook: when set, the dialog is built as usual but, instead of being shown, handed to
// the hook, which may set the printer's range and answers whether it was confirmed.
// nullptr shows it again.
using PrintDialogHook = std::function<bool(QPrintDialog& dialog)>;
void SetPrintDialogHook(PrintDialogHook hook);
