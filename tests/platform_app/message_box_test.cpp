#include "message_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class MessageBoxTest : public ::testing::Test {
protected:
    void TearDown() override { SetMessageBoxHook(nullptr); }
};

TEST_F(MessageBoxTest, CentredOverTheWindowWithTheProductCaption) {
    QWidget window;
    window.setGeometry(100, 80, 600, 400);
    window.show();
    QString caption, text;
    QPoint centre;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool modal = false;
    Qt::TextFormat format = Qt::AutoText;
    SetMessageBoxHook([&](QMessageBox& box) {
        format = box.textFormat();
        caption = box.windowTitle();
        text = box.text();
        icon = box.icon();
        modal = box.windowModality() != Qt::NonModal;
        centre = box.pos() + QPoint(box.width() / 2, box.height() / 2);
        return QMessageBox::No;
    });
    const auto answer = CenteredMessageBox(&window, "Text has changed. Create new personalized file?",
                                           QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                           QMessageBox::Question);
    EXPECT_EQ(answer, QMessageBox::No);
    EXPECT_EQ(caption, "Selvarion");
    EXPECT_EQ(text, "Text has changed. Create new personalized file?");
    EXPECT_EQ(icon, QMessageBox::Question);
    EXPECT_TRUE(modal);
    EXPECT_EQ(format, Qt::PlainText);   // names inserted in messages are never markup
    const QRect frame = window.frameGeometry();
    EXPECT_NEAR(centre.x(), frame.left() + frame.width() / 2, 1);
    EXPECT_NEAR(centre.y(), frame.top() + frame.height() / 2, 1);
}

TEST_F(MessageBoxTest, ShownBoxReturnsTheButtonPressed) {
    // Without the hook the box runs modally; press its OK button from the event loop.
    QTimer::singleShot(0, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible())
                box->button(QMessageBox::Cancel)->click();
    });
    EXPECT_EQ(CenteredMessageBox(nullptr, "No changes have been made.", QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Information),
              QMessageBox::Cancel);
}

} // namespace
