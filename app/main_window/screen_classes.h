#pragma once
// Sizes and fonts of the small fixed-size windows (About box, donation window, first-run
// question): on a small screen the first two are shrunk to fit.
#include <QFont>
#include <QPoint>
#include <QSize>

class QWidget;

// Narrower than 720 or lower than 540 pixels.
bool IsSmallScreen(const QSize& screen);
// The size of the primary screen.
QSize PrimaryScreenSize();
// Fixes the window at `client` pixels scaled by `percent`/100, and every font with it.
void SetScaledWindowSize(QWidget& window, const QSize& client, int percent);
// Centres the window on the primary screen.
void CentreOnScreen(QWidget& window);
// Where a window of `size` at `place` goes to lie on the primary screen: its left and top
// edges first, then its right and bottom edges where they can.
QPoint OnScreenPlace(QPoint place, const QSize& size);
// Pulls a dialog onto the primary screen before it is shown. One already on the screen is not
// moved: a move before the first showing would place the frame where the stored position means
// the client area.
void PullOntoScreen(QWidget& window);
// A font of `family` at a size in pixels.
QFont PixelFont(const char* family, int pixels, bool bold = false, bool italic = false);
