#pragma once
// The popup help component: shows one topic of a compiled help file in a small frameless
// window at a point of the screen. The window is kept on the screen and closes at a click
// elsewhere or with Esc.
#include <QString>

#include <functional>

class QTextBrowser;

class TKeyPopup {
public:
    // Shows the topic of `address` (a help file path, "::" and the page) with its top-left
    // corner at the screen point (x, y), or as near to it as the screen allows. An empty
    // address asks for nothing and shows nothing. When the help file or the topic cannot be
    // read the user is told why instead (ReportHelpTrouble).
    void DisplayURL(const QString& address, int x, int y);

    // The popup on screen, or nullptr.
    static QTextBrowser* Shown();

    // Test hook: when set, every request is handed to it instead of being shown.
    // nullptr shows popups again.
    using Hook = std::function<void(const QString& address, int x, int y)>;
    static void SetHook(Hook hook);
};
