#pragma once
// A label that shows a version's name: as plain text (a name is never markup), and never wider
// than the longest name a version can be given; a longer one, from a store edited by hand, is
// cut short with an ellipsis. text() is the whole name.
#include <QLabel>

class TVersionNameLabel : public QLabel {
public:
    explicit TVersionNameLabel(const QString& text = {}, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    int MaxWidth() const;
};
