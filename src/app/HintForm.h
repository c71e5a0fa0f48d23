#pragma once
// The borderless picture beside the mosaic button while the mosaic tool is on.

#include <QPointer>
#include <QWidget>

class THint_Form : public QWidget {
    Q_OBJECT
public:
    explicit THint_Form(QWidget *mainWindow);

    // Shows the hint 5 pixels to the right of anchor, top-aligned with it.
    void ShowBeside(QWidget *anchor);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPointer<QWidget> FMainWindow;
    QPixmap FPicture;
};
