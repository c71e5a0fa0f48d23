#include "app/OpeningForm.h"

#include "app/DataModule.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QThread>
#include <QVBoxLayout>

TVL_Opening_Form::TVL_Opening_Form(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      FProgressBar1(new QProgressBar(this)), FProgressBar2(new QProgressBar(this))
{
    setObjectName(QStringLiteral("VL_Opening_Form"));
    setWindowTitle(TVL_DM::_T(QStringLiteral("잠시만 기다려주세요...")));
    setFixedSize(358, 88);
    setModal(false);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    auto *text = new QLabel(TVL_DM::_T(QStringLiteral("이미지 작업중입니다.\r\n이미지의 사이즈가 클 경우 시간이 소요 될 수 "
                                                      "있습니다.\r\n잠시만 기다려주세요."))
                                .remove(u'\r'),
                            this);
    text->setAlignment(Qt::AlignCenter);
    FProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    FProgressBar2->setObjectName(QStringLiteral("ProgressBar2"));
    for (QProgressBar *bar : {FProgressBar1, FProgressBar2}) {
        bar->setTextVisible(false);
        bar->setFixedHeight(12);
    }
    FProgressBar1->hide();

    // The two bars lie on top of each other: one runs while the work goes
    // on, the other shows it complete.
    auto *bars = new QWidget(this);
    auto *stack = new QGridLayout(bars);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->addWidget(FProgressBar1, 0, 0);
    stack->addWidget(FProgressBar2, 0, 0);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 8, 12, 8);
    layout->addWidget(text);
    layout->addWidget(bars);
}

void TVL_Opening_Form::ShowWaiting()
{
    FProgressBar1->setVisible(true);
    FProgressBar2->setValue(100);
    FProgressBar2->hide();
    QApplication::processEvents();
    Q_EMIT Shown();
    const QScreen *screen = QGuiApplication::screenAt(pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen)
        move(screen->availableGeometry().center() - rect().center());
    FProgressBar1->setRange(0, 0); // running, no known end
    FProgressBar1->setValue(0);
    show();
    QApplication::processEvents();
}

void TVL_Opening_Form::FormUserClose()
{
    QApplication::processEvents();
    FProgressBar2->setVisible(true);
    FProgressBar1->hide();
    FProgressBar1->setRange(0, 100);
    FProgressBar1->setValue(100);
    QThread::msleep(10);
    QApplication::processEvents();
    close();
}

void TVL_Opening_Form::closeEvent(QCloseEvent *event)
{
    QDialog::closeEvent(event);
    Q_EMIT Closed();
    if (parentWidget())
        parentWidget()->update();
}
