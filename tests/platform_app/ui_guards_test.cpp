#include "ui_guards.h"

#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

bool WaitCursorShown() {
    return QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
}

TEST(WaitCursorTest, ShownForTheScopeAndRestoredOnException) {
    ASSERT_EQ(QApplication::overrideCursor(), nullptr);
    {
        TWaitCursor outer;
        EXPECT_TRUE(WaitCursorShown());
        {
            TWaitCursor inner;
            EXPECT_TRUE(WaitCursorShown());
        }
        EXPECT_TRUE(WaitCursorShown());   // nested guards keep the outer one's cursor
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_THROW(
        {
            TWaitCursor guard;
            throw std::runtime_error("page load failed");
        },
        std::runtime_error);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(UpdateLockTest, LocksRepaintAndReleasesOnEveryPath) {
    QWidget window;
    {
        TUpdateLock lock(&window);
        EXPECT_FALSE(window.updatesEnabled());
        {
            TUpdateLock nested(&window);
            EXPECT_FALSE(window.updatesEnabled());
        }
        EXPECT_FALSE(window.updatesEnabled());   // the outer lock still holds
    }
    EXPECT_TRUE(window.updatesEnabled());
    try {
        TUpdateLock lock(&window);
        throw std::runtime_error("save failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_TRUE(window.updatesEnabled());
}

TEST(UpdateLockTest, WindowGoneOrMissingIsHarmless) {
    auto* window = new QWidget;
    {
        TUpdateLock lock(window);
        delete window;
    }
    TUpdateLock none(nullptr);
    SUCCEED();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
