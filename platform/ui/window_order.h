#pragma once
// The program's modeless dialogs that stay on top (Find, Find Bible Verses) would cover every
// other window the program opens while they are on the screen. A window opened then belongs
// to the window in front and stays on top itself.
class QWidget;

// The window a new dialog over `over` belongs to: `over`'s window, unless another window of
// the program is in front of that one, modal or staying on top.
QWidget* FrontWindow(QWidget* over);

// Gives `window`, before it is shown, the stay-on-top hint while another window of the program
// that stays on top is on the screen, and takes it away again otherwise.
void KeepAboveStayOnTopWindows(QWidget& window);
