#pragma once
// The About box: the program's name and version beside the title picture. A click anywhere
// on it closes it.
#include <QDialog>
#include <QSize>

class QLabel;
class QFrame;

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    // Laid out for `screen` (the primary screen's size by default).
    explicit TAboutBox(QWidget* parent = nullptr, QSize screen = {});

    QFrame* BorderPanel;
    QLabel* SplashImage;
    QFrame* MainPanel;
    QFrame* BottomPanel;
    QLabel* ProgramIcon;
    QLabel* ProductName;
    QLabel* ProductDescription;
    QLabel* Version;
    QLabel* Release;
    QLabel* Build;
    QLabel* Copyright1;
    QLabel* Copyright2;
    QLabel* Comments;
    QLabel* BottomLabel;

protected:
    void mousePressEvent(QMouseEvent* e) override;
};
