#pragma once
// The centred message box: a modal message with the caption "Selvarion", placed with its
// centre on the centre of the given window (on the screen's centre without one). A dialog
// in front of that window, modal or staying on top, keeps the box above itself.
#include <QMessageBox>
#include <functional>

QMessageBox::StandardButton CenteredMessageBox(QWidget* over, const QString& text,
                                               QMessageBox::StandardButtons buttons,
                                               QMessageBox::Icon icon);

// Test hook: when set, the box is built and placed as usual but, instead of being shown,
// handed to the hook, whose answer is returned. A box the hook shows takes its final size
// then and is centred again. nullptr shows boxes again.
using MessageBoxHook = std::function<QMessageBox::StandardButton(QMessageBox& box)>;
void SetMessageBoxHook(MessageBoxHook hook);
