#include "key_popup.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QTextBrowser>
#include <QTextDocument>

#include <cmath>
#include <memory>

#include "help_address.h"
#include "help_file.h"

namespace {

constexpr int PopupWidth = 340;

// The popup window: the topic's text in a thin frame, closed by Esc or a click outside.
class TPopupTopic : public QTextBrowser {
public:
    TPopupTopic() : QTextBrowser(QApplication::activeModalWidget())
    {
        setObjectName(QStringLiteral("HelpPopup"));
        setWindowFlags(Qt::Popup | Qt::FramelessWindowHint);
        setAttribute(Qt::WA_DeleteOnClose);
        setAttribute(Qt::WA_QuitOnClose, false);
        setFrameShape(QFrame::Box);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setOpenLinks(false);
        QPalette colours = palette();
        colours.setColor(QPalette::Base, colours.color(QPalette::ToolTipBase));
        colours.setColor(QPalette::Text, colours.color(QPalette::ToolTipText));
        setPalette(colours);
    }

protected:
    // A popup shows its topic's text alone: it loads nothing from the disk or the network (an
    // invalid or null answer would have the document read a local file itself).
    QVariant loadResource(int, const QUrl&) override { return QVariant(QByteArray()); }
    // While the popup is open every press comes to it, those elsewhere too. A scroll area
    // leaves presses on itself unhandled, so the closing at a press outside is done here.
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::MouseButtonPress &&
            !rect().contains(static_cast<QMouseEvent*>(e)->position().toPoint())) {
            close();
            return true;
        }
        return QTextBrowser::event(e);
    }
    void keyPressEvent(QKeyEvent* e) override
    {
        if (e->key() == Qt::Key_Escape) {
            close();
            return;
        }
        QTextBrowser::keyPressEvent(e);
    }
};

QPointer<QTextBrowser>& Current()
{
    static QPointer<QTextBrowser> popup;
    return popup;
}

TKeyPopup::Hook& TestHook()
{
    static TKeyPopup::Hook hook;
    return hook;
}

// The popup's frame moved as little as needed to lie inside the screen's available area.
QRect KeptOnScreen(QRect frame)
{
    const QScreen* screen = QGuiApplication::screenAt(frame.topLeft());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return frame;
    const QRect area = screen->availableGeometry();
    frame.setHeight(std::min(frame.height(), area.height()));
    if (frame.right() > area.right())
        frame.moveRight(area.right());
    if (frame.bottom() > area.bottom())
        frame.moveBottom(area.bottom());
    if (frame.left() < area.left())
        frame.moveLeft(area.left());
    if (frame.top() < area.top())
        frame.moveTop(area.top());
    return frame;
}

} // namespace

void TKeyPopup::DisplayURL(const QString& address, int x, int y)
{
    if (TestHook()) {
        TestHook()(address, x, y);
        return;
    }
    if (address.isEmpty())
        return;
    const THelpAddress topic = ParseHelpAddress(address);
    const std::unique_ptr<THelpFile> file = OpenHelpFile(topic.file);
    if (!file)
        return;
    const QByteArray page = file->PageData(topic.page);
    if (page.isEmpty()) {
        ReportHelpTrouble(MissingTopicMessage(topic.file, topic.page));
        return;
    }

    if (Current())
        Current()->close();
    auto* popup = new TPopupTopic;
    popup->setHtml(QString::fromUtf8(page));
    // The whole topic shows without scrolling where the screen allows.
    const int frame = 2 * popup->frameWidth();
    std::unique_ptr<QTextDocument> measure(popup->document()->clone());
    measure->setTextWidth(PopupWidth - frame);
    const int height = int(std::ceil(measure->size().height())) + frame;
    const QRect frameOnScreen = KeptOnScreen(QRect(x, y, PopupWidth, height));
    if (frameOnScreen.height() == height)
        popup->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    popup->setGeometry(frameOnScreen);
    Current() = popup;
    popup->show();
}

QTextBrowser* TKeyPopup::Shown()
{
    return Current();
}

void TKeyPopup::SetHook(Hook hook)
{
    TestHook() = std::move(hook);
}
