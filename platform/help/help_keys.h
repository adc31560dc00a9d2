#pragma once
// Help contexts and the routing of help requests. Every window, control, menu and menu item
// may carry a help context (a number naming its help topic). F1 on the focused control or on
// the highlighted menu item, and a click in What's This mode (Shift+F1, or the title bar's
// help button where the window manager draws one), hand the context of the control concerned
// to the application's help hook; so does a command's shortcut key pressed in What's This
// mode, with the context of its command. A control without a context of its own uses that of
// the nearest enclosing control of its window. Before F1 asks for help, the window gets the
// key press (as its shortcut event).
#include <cstdint>
#include <functional>

class QDialog;
class QObject;
class QWidget;

// Help commands: the topic of a context, and a popup topic (a click in What's This mode).
constexpr uint16_t HelpCommandContext = 1;
constexpr uint16_t HelpCommandContextPopup = 8;

// The application's help hook: command, help context; the hook may set `callHelp` to ask for
// the platform's own help, of which there is none. Returns whether it handled the request.
using THelpHook = std::function<bool(uint16_t command, int context, bool& callHelp)>;
// Installs the hook (nullptr removes it) and the routing of F1 and What's This clicks.
void SetHelpHook(THelpHook hook);

void SetHelpContext(QObject* object, int context);
// The object's own help context, 0 when it has none.
int HelpContextOf(const QObject* object);
// The context that help on `widget` uses (0: none): its own, its tool button's command's,
// or the nearest enclosing widget's inside its window; for a menu, its highlighted item's.
int HelpContextFor(QWidget* widget);

// Gives a dialog of the toolkit (file, font, print) its help context and a Help button beside
// its own buttons that asks for the dialog's topic. File dialogs become the toolkit's own,
// which have the room for it.
void AddHelpButton(QDialog& dialog, int context);
