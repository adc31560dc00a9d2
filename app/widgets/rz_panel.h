#pragma once
// Panels that frame the main window and the Select Date window: TRzPanel limits its
// bevels and border to chosen sides and places its caption at the top, centre or bottom;
// TModPanel is the same panel with a one-line caption.
#include <QColor>
#include <QFlags>
#include <QString>
#include <QWidget>

enum TSide { sdLeft = 1, sdTop = 2, sdRight = 4, sdBottom = 8 };
Q_DECLARE_FLAGS(TSides, TSide)
Q_DECLARE_OPERATORS_FOR_FLAGS(TSides)
inline constexpr TSides AllSides = TSides(sdLeft | sdTop | sdRight | sdBottom);

enum TVerticalAlignment { vaTop, vaCenter, vaBottom };
enum TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };

class TRzPanel : public QWidget {
    Q_OBJECT
public:
    explicit TRzPanel(QWidget* parent = nullptr);

    TSides BevelSides() const { return bevelSides_; }
    void SetBevelSides(TSides sides);
    QColor BorderColor() const { return borderColor_; }
    void SetBorderColor(const QColor& color);
    TSides BorderSides() const { return borderSides_; }
    void SetBorderSides(TSides sides);
    TVerticalAlignment VerticalAlignment() const { return verticalAlignment_; }
    void SetVerticalAlignment(TVerticalAlignment alignment);

    // From the platform panel.
    Qt::Alignment Alignment() const { return alignment_; }   // Qt::AlignLeft, AlignHCenter or AlignRight
    void SetAlignment(Qt::Alignment alignment);
    TPanelBevel BevelInner() const { return bevelInner_; }
    void SetBevelInner(TPanelBevel bevel);
    TPanelBevel BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TPanelBevel bevel);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int width);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width);
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    QColor Color() const { return color_; }
    void SetColor(const QColor& color);

    // The client rectangle: the widget less one pixel on each side in BorderSides
    // (also the panel's contents margins, so layouts inside keep clear of those lines).
    QRect GetClientRect() const;
    // Where Paint puts the caption: the rectangle inside the frames, vertically placed.
    QRect CaptionRect() const;
    // The height at which the panel shows all of its caption when it is `width` wide.
    int heightForWidth(int width) const override;

signals:
    void Click();
    void DblClick();
    void MouseDown(Qt::MouseButton button);
    void MouseUp(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // Text flags of the caption; TModPanel leaves out the word break.
    virtual int CaptionFlags() const;

private:
    int FrameInset() const;
    QRect InnerRect() const;
    template <typename T> void Assign(T& field, const T& value);

    TSides bevelSides_ = AllSides;
    QColor borderColor_;
    TSides borderSides_;
    TVerticalAlignment verticalAlignment_ = vaCenter;
    Qt::Alignment alignment_ = Qt::AlignHCenter;
    TPanelBevel bevelInner_ = bvNone;
    TPanelBevel bevelOuter_ = bvRaised;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    QString caption_;
    QColor color_;
};

class TModPanel : public TRzPanel {
    Q_OBJECT
public:
    using TRzPanel::TRzPanel;
protected:
    int CaptionFlags() const override;
};
