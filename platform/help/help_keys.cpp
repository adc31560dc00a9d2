#include "help_keys.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <QWhatsThis>

namespace {

const char* const HelpContextProperty = "helpContext";

THelpHook& Hook()
{
    static THelpHook hook;
    return hook;
}

// The context of a menu item: its own, else that of the menu it opens.
int ActionContext(const QAction* action)
{
    if (!action)
        return 0;
    if (const int own = HelpContextOf(action))
        return own;
    return action->menu() ? HelpContextOf(action->menu()) : 0;
}

// The open menus make way for the help asked for in them.
void CloseMenus()
{
    while (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
        if (QApplication::activePopupWidget() == popup)
            break;
    }
}

// The context of the point `pos` of `widget`: the menu item there, else the widget's.
int HelpContextAt(QWidget* widget, const QPoint& pos)
{
    QAction* item = nullptr;
    if (auto* menu = qobject_cast<QMenu*>(widget))
        item = menu->actionAt(pos);
    else if (auto* bar = qobject_cast<QMenuBar*>(widget))
        item = bar->actionAt(pos);
    const int context = ActionContext(item);
    return context ? context : HelpContextFor(widget);
}

bool AskHook(uint16_t command, int context)
{
    if (!Hook() || context == 0)
        return false;
    bool callHelp = false;
    return Hook()(command, context, callHelp);
}

class THelpKeys : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget)
            return false;
        switch (e->type()) {
        case QEvent::KeyPress:
            return KeyPress(widget, *static_cast<QKeyEvent*>(e));
        case QEvent::QueryWhatsThis:
            if (HelpContextFor(widget) == 0)
                return false;
            e->accept();
            return true;
        case QEvent::WhatsThis: {
            const int context = HelpContextAt(widget, static_cast<QHelpEvent*>(e)->pos());
            if (context == 0)
                return false;
            if (QWhatsThis::inWhatsThisMode())
                QWhatsThis::leaveWhatsThisMode();
            if (qobject_cast<QMenu*>(widget))
                CloseMenus();
            AskHook(HelpCommandContextPopup, context);
            e->accept();
            return true;
        }
        case QEvent::ShortcutOverride:
            return ShortcutInWhatsThisMode(widget, *static_cast<QKeyEvent*>(e));
        default:
            return false;
        }
    }

private:
    // In What's This mode a command's shortcut key shows the popup of the command instead of
    // running it; the key press that follows is dropped.
    bool ShortcutInWhatsThisMode(QWidget* widget, QKeyEvent& key)
    {
        if (!QWhatsThis::inWhatsThisMode() || key.isAutoRepeat())
            return false;
        const QKeySequence pressed(key.keyCombination());
        int context = 0;
        for (QAction* action : widget->window()->findChildren<QAction*>())
            if (!context && action->shortcut() == pressed)
                context = ActionContext(action);
        if (context == 0)
            return false;
        QWhatsThis::leaveWhatsThisMode();
        FDroppedKey = key.key();
        AskHook(HelpCommandContextPopup, context);
        key.accept();
        return true;
    }

    bool KeyPress(QWidget* widget, QKeyEvent& key)
    {
        if (key.key() == FDroppedKey) {
            FDroppedKey = 0;
            return true;
        }
        if (key.key() != Qt::Key_F1 || key.isAutoRepeat())
            return false;
        // Shift+F1: the next click on a control shows its popup at the mouse.
        if (key.modifiers() == Qt::ShiftModifier) {
            if (!QWhatsThis::inWhatsThisMode())
                QWhatsThis::enterWhatsThisMode();
            return true;
        }
        if (FRouting || key.modifiers() != Qt::NoModifier)
            return false;
        const int context = HelpContextFor(widget);
        FRouting = true;
        // The window's shortcut event sees the key first; menus have none.
        if (!qobject_cast<QMenu*>(widget)) {
            QKeyEvent copy(key.type(), key.key(), key.modifiers(), key.text());
            QApplication::sendEvent(widget->window(), &copy);
        } else {
            CloseMenus();
        }
        FRouting = false;
        AskHook(HelpCommandContext, context);
        return true;
    }

    bool FRouting = false;
    int FDroppedKey = 0;
};

} // namespace

void SetHelpHook(THelpHook hook)
{
    static THelpKeys* keys = nullptr;
    if (!keys && qApp) {
        keys = new THelpKeys;
        keys->setParent(qApp);
        qApp->installEventFilter(keys);
    }
    Hook() = std::move(hook);
}

void SetHelpContext(QObject* object, int context)
{
    object->setProperty(HelpContextProperty, context);
}

int HelpContextOf(const QObject* object)
{
    return object ? object->property(HelpContextProperty).toInt() : 0;
}

int HelpContextFor(QWidget* widget)
{
    if (auto* menu = qobject_cast<QMenu*>(widget)) {
        if (const int item = ActionContext(menu->activeAction()))
            return item;
        if (const int own = HelpContextOf(menu))
            return own;
        return menu->parentWidget() ? HelpContextFor(menu->parentWidget()) : 0;
    }
    if (auto* bar = qobject_cast<QMenuBar*>(widget))
        if (const int item = ActionContext(bar->activeAction()))
            return item;
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (const int own = HelpContextOf(w))
            return own;
        if (auto* button = qobject_cast<QToolButton*>(w))
            if (const int command = ActionContext(button->defaultAction()))
                return command;
        if (w->isWindow())
            break;
    }
    return 0;
}

void AddHelpButton(QDialog& dialog, int context)
{
    SetHelpContext(&dialog, context);
    if (auto* files = qobject_cast<QFileDialog*>(&dialog))
        files->setOption(QFileDialog::DontUseNativeDialog);
    // The box of the dialog's own OK (or Open, Save, Print) button.
    for (QDialogButtonBox* buttons : dialog.findChildren<QDialogButtonBox*>()) {
        if (buttons->window() != &dialog || buttons->buttons().isEmpty())
            continue;
        buttons->addButton(QDialogButtonBox::Help)->setObjectName(QStringLiteral("HelpButton"));
        QObject::connect(buttons, &QDialogButtonBox::helpRequested, &dialog,
                         [context] { AskHook(HelpCommandContext, context); });
        return;
    }
}
