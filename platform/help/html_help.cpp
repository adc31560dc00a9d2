#include "html_help.h"

#include <QApplication>
#include <QPointer>
#include <QWindow>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "help_address.h"
#include "help_file.h"
#include "help_window.h"
#include "window_order.h"

namespace {

QPointer<THelpWindow>& Current()
{
    static QPointer<THelpWindow> window;
    return window;
}

QString& PlacementKey()
{
    static QString key;
    return key;
}

HtmlHelp::Hook& TestHook()
{
    static HtmlHelp::Hook hook;
    return hook;
}

// A window opened while a modal dialog runs stays usable: it is kept with that dialog.
void KeepOverModalDialog(THelpWindow& window)
{
    QWidget* modal = QApplication::activeModalWidget();
    window.winId();
    if (QWindow* handle = window.windowHandle())
        handle->setTransientParent(modal && modal != &window ? modal->windowHandle() : nullptr);
}

} // namespace

void HtmlHelp::DisplayTopic(const QString& address)
{
    if (TestHook()) {
        TestHook()(address);
        return;
    }
    const THelpAddress topic = ParseHelpAddress(address);
    if (topic.file.isEmpty())
        return;
    THelpWindow* window = Current();
    if (!window || !window->File().Reads(topic.file)) {
        auto file = OpenHelpFile(topic.file);
        if (!file)
            return;
        CloseAll();
        window = new THelpWindow(std::move(file), PlacementKey());
#ifdef __GLIBC__
        // What a long page took goes back to the system with the window, not only to the heap.
        QObject::connect(window, &QObject::destroyed, [] { malloc_trim(0); });
#endif
        Current() = window;
    }
    window->ShowTopic(topic.page, topic.anchor);
    KeepOverModalDialog(*window);
    KeepAboveStayOnTopWindows(*window);
    window->show();
    window->raise();
    window->activateWindow();
}

void HtmlHelp::CloseAll()
{
    delete Current().data();
}

THelpWindow* HtmlHelp::Window()
{
    return Current();
}

void HtmlHelp::SetPlacementKey(const QString& key)
{
    PlacementKey() = key;
}

void HtmlHelp::SetHook(Hook hook)
{
    TestHook() = std::move(hook);
}
