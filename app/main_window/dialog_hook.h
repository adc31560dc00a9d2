#pragma once
// Test hooks of the program's modal dialogs: while a hook is set, a dialog is built as usual
// but handed to the hook instead of being shown, and the hook answers whether it was confirmed.
#include <QDialog>

#include <functional>
#include <utility>

template <typename Dialog>
class TDialogHook {
public:
    using Hook = std::function<bool(Dialog& dialog)>;

    // nullptr shows the dialogs again.
    static void Set(Hook hook) { Slot() = std::move(hook); }
    // Shows `dialog` modally, or hands it to the hook; true when confirmed.
    static bool Run(Dialog& dialog) { return Slot() ? Slot()(dialog) : dialog.exec() == QDialog::Accepted; }

private:
    static Hook& Slot()
    {
        static Hook hook;
        return hook;
    }
};
