#pragma once
// Guards for long updates: the wait cursor and a window whose repaint is locked.
// Both are undone when the guard goes out of scope, whichever way the scope is left.
class QWidget;
#include <QPointer>

// Shows the wait cursor for the guard's lifetime (nests).
class TWaitCursor {
public:
    TWaitCursor();
    ~TWaitCursor();
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;
};

// Locks the window's repaint for the guard's lifetime; on release the window's earlier
// state comes back and, when drawing is on again, it is repainted once. Nests; a window
// destroyed meanwhile is left alone.
class TUpdateLock {
public:
    explicit TUpdateLock(QWidget* window);
    ~TUpdateLock();
    TUpdateLock(const TUpdateLock&) = delete;
    TUpdateLock& operator=(const TUpdateLock&) = delete;
private:
    QPointer<QWidget> window_;
    bool wasEnabled_ = true;
};
