#pragma once
// The program's title picture, 324 by 538 pixels: shown by the splash screen and the About box.
#include <QIcon>
#include <QPixmap>

QPixmap SplashPicture();
// The program's icon, the window icon of all its windows: the cross of the title picture.
QIcon ProgramIcon();
// The icon at 32 by 32 pixels.
QPixmap ProgramIconPicture();
