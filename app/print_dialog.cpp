#include "print_dialog.h"

#include <QPrintDialog>
#include <QPrinter>

#include <climits>

namespace {

PrintDialogHook& Hook()
{
    static PrintDialogHook hook;
    return hook;
}

} // namespace

bool RunPrintDialog(QWidget* parent, QPrinter& printer)
{
    printer.setCollateCopies(true);
    printer.setFromTo(1, 1);
    printer.setPrintRange(QPrinter::AllPages);
    QPrintDialog dialog(&printer, parent);
    dialog.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintSelection |
                      QAbstractPrintDialog::PrintCollateCopies | QAbstractPrintDialog::PrintToFile);
    dialog.setMinMax(1, INT_MAX);
    return Hook() ? Hook()(dialog) : dialog.exec() == QDialog::Accepted;
}

void SetPrintDialogHook(PrintDialogHook hook)
{
    Hook() = std::move(hook);
}
