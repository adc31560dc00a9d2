#include "ui_guards.h"

#include <QApplication>
#include <QWidget>

TWaitCursor::TWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }

TWaitCursor::~TWaitCursor() { QApplication::restoreOverrideCursor(); }

TUpdateLock::TUpdateLock(QWidget* window) : window_(window) {
    if (!window_) return;
    wasEnabled_ = window_->updatesEnabled();
    window_->setUpdatesEnabled(false);
}

TUpdateLock::~TUpdateLock() {
    if (!window_) return;
    window_->setUpdatesEnabled(wasEnabled_);
    if (wasEnabled_) window_->update();
}
