#pragma once
// The help contexts of the program's windows and of their controls, menus and menu items,
// found by their object names.
class QWidget;

// Gives `window` and every control, menu and menu item in it that has a help context of its
// own that context. Controls without one use their enclosing control's.
void AssignHelpContexts(QWidget& window);
