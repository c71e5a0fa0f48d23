#pragma once
// The about box: a picture with the version; any click closes it.

#include <QDialog>

class TVL_About_Form : public QDialog {
    Q_OBJECT
public:
    explicit TVL_About_Form(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QPixmap FPicture;
};
