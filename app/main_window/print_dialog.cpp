#include "print_dialog.h"

#include "dialog_hook.h"
#include "help_keys.h"
#include "window_order.h"

#include <QPrintDialog>
#include <QPrinter>

#include <climits>

bool RunPrintDialog(QWidget* parent, QPrinter& printer)
{
    printer.setCollateCopies(true);
    printer.setFromTo(1, 1);
    printer.setPrintRange(QPrinter::AllPages);
    QPrintDialog dialog(&printer, FrontWindow(parent));
    KeepAboveStayOnTopWindows(dialog);
    dialog.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintSelection |
                      QAbstractPrintDialog::PrintCollateCopies | QAbstractPrintDialog::PrintToFile);
    dialog.setMinMax(1, INT_MAX);
    AddHelpButton(dialog, 550);
    return TDialogHook<QPrintDialog>::Run(dialog);
}

void SetPrintDialogHook(PrintDialogHook hook)
{
    TDialogHook<QPrintDialog>::Set(std::move(hook));
}
