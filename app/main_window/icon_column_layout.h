#pragma once
// The icon column's layout, top to bottom: the picture, the caption panel and, at the foot,
// the bottom panel with the Show Next Icon button. The caption and the bottom panel are
// always whole; the picture keeps its proportions and takes what room is left, at most its
// size for the screen, centred in the column.
#include <QLayout>
#include <QSize>

class QLabel;
class TRzPanel;

class TIconColumnLayout : public QLayout {
public:
    TIconColumnLayout(TRzPanel& column, QLabel& picture, TRzPanel& caption, QWidget& bottom);

    // The picture's size for the screen.
    void SetPictureSize(const QSize& size);

    void setGeometry(const QRect& rect) override;
    QSize sizeHint() const override;
    void addItem(QLayoutItem* item) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override;

private:
    QLabel& FPicture;
    TRzPanel& FCaption;
    QWidget& FBottom;
    QSize FPictureSize;
};
