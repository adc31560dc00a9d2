#include "save_dialog.h"

#include <QFileDialog>

#include "app_folders.h"
#include "help_keys.h"
#include "window_order.h"

namespace {
SaveDialogHook& Hook()
{
    static SaveDialogHook hook;
    return hook;
}
} // namespace

void SetSaveDialogHook(SaveDialogHook hook)
{
    Hook() = std::move(hook);
}

QString RunSaveDialog(QWidget* parent, const QString& directory)
{
    QFileDialog dialog(FrontWindow(parent));
    KeepAboveStayOnTopWindows(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("RTF"));
    dialog.setNameFilters({QStringLiteral("Rich Text Files    (*.RTF)"),
                           QStringLiteral("Plain Text Files    (*.TXT)"),
                           QStringLiteral("All Files                  (*.*)")});
    dialog.setDirectory(NearestExistingFolder(directory));
    AddHelpButton(dialog, 500);
    if (Hook())
        return Hook()(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}
