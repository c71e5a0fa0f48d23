#pragma once
// The wait box shown, without blocking the window, during long work.

#include <QDialog>

class QProgressBar;

class TVL_Opening_Form : public QDialog {
    Q_OBJECT
public:
    explicit TVL_Opening_Form(QWidget *parent = nullptr);

    // Shows the box with its running bar and lets the window paint it.
    void ShowWaiting();
    // Fills the bar, lets it paint, and closes the box.
    void FormUserClose();

    QProgressBar *ProgressBar1() const { return FProgressBar1; }
    QProgressBar *ProgressBar2() const { return FProgressBar2; }

Q_SIGNALS:
    // The main window stops and restarts its GIF animation around the work.
    void Shown();
    void Closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QProgressBar *FProgressBar1;
    QProgressBar *FProgressBar2;
};
