#include "help_keys.h"

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
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
            const int context = HelpContextFor(widget);
            if (context == 0)
                return false;
            if (QWhatsThis::inWhatsThisMode())
                QWhatsThis::leaveWhatsThisMode();
            AskHook(HelpCommandContextPopup, context);
            e->accept();
            return true;
        }
        default:
            return false;
        }
    }

private:
    bool KeyPress(QWidget* widget, QKeyEvent& key)
    {
        if (FRouting || key.key() != Qt::Key_F1 || key.modifiers() != Qt::NoModifier || key.isAutoRepeat())
            return false;
        const int context = HelpContextFor(widget);
        FRouting = true;
        // The window's shortcut event sees the key first; menus have none.
        if (!qobject_cast<QMenu*>(widget)) {
            QKeyEvent copy(key.type(), key.key(), key.modifiers(), key.text());
            QApplication::sendEvent(widget->window(), &copy);
        } else {
            // The help replaces the open menus.
            while (QWidget* popup = QApplication::activePopupWidget()) {
                popup->close();
                if (QApplication::activePopupWidget() == popup)
                    break;
            }
        }
        FRouting = false;
        AskHook(HelpCommandContext, context);
        return true;
    }

    bool FRouting = false;
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
