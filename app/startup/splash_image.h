#pragma once
// The program's title picture, 324 by 538 pixels: shown by the splash screen and the About box.
#include <QPixmap>

QPixmap SplashPicture();
// The program's 32 by 32 icon, cut from the title picture.
QPixmap ProgramIconPicture();
