#pragma once
// The splash screen shown while the program starts: a borderless window with the title
// picture, held on screen until its timer fires.
#include <QTimer>
#include <QWidget>

class QLabel;

class TSplashScreen : public QWidget {
    Q_OBJECT
public:
    TSplashScreen();

    QLabel* SplashImage;
    QTimer* Timer;   // 3000 ms; switches itself off

    // Shows the window at once and processes messages until the timer has fired.
    void Hold();
};
