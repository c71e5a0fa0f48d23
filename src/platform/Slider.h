#pragma once
// The horizontal slider every panel uses: an integer range, a thumb and a
// ruler picture that can be replaced at run time, no focus frame and no
// tick marks.

#include <QPixmap>
#include <QWidget>

class TSlider : public QWidget {
    Q_OBJECT
public:
    explicit TSlider(QWidget *parent = nullptr);

    int MinValue() const { return FMinValue; }
    int MaxValue() const { return FMaxValue; }
    int Increment() const { return FIncrement; }
    int Value() const { return FValue; }
    void SetMinValue(int value);
    void SetMaxValue(int value);
    void SetRange(int minValue, int maxValue);
    void SetIncrement(int value) { FIncrement = value > 0 ? value : 1; }
    // Clamps to the range; OnChange fires when the value changes.
    void SetValue(int value);

    void SetThumbPicture(const QPixmap &picture);
    void SetRulerPicture(const QPixmap &picture);
    const QPixmap &ThumbPicture() const { return FThumb; }
    int ThumbWidth() const { return FThumb.width(); }

    QSize sizeHint() const override;

Q_SIGNALS:
    void OnChange();
    // The user let go of the thumb after dragging it.
    void OnStopTracking();
    // Mouse release anywhere on the slider, in the slider's pixels.
    void MouseUp(int x, int y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QRect ThumbRect() const;
    int ValueAt(int x) const;

    int FMinValue = 0;
    int FMaxValue = 100;
    int FIncrement = 1;
    int FValue = 0;
    QPixmap FThumb;
    QPixmap FRuler;
    bool FTracking = false;
    int FGrabOffset = 0;
};

// Moves the slider to the point X of a click on it (Y is not used).
// AMinValue is the negative of the slider's minimum.
void SetScroolDown(int X, int Y, TSlider *AScrool, int AMinValue);
