#include "geometry/ui/PresetDialog.h"

#include "app/DataModule.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {
QString T(const char *korean) { return TVL_DM::_T(QString::fromUtf8(korean)); }
}

TVL_CreateOften_Form::TVL_CreateOften_Form(QWidget *parent, std::function<void(const QString &)> confirmed)
    : QDialog(parent), FConfirmed(std::move(confirmed))
{
    setObjectName("VL_CreateOften_Form");
    setWindowTitle(T("자주 쓰는 설정 추가"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(T("현재의 설정을 자주 쓰는 설정 목록에 추가합니다."), this));
    layout->addWidget(new QLabel(T("추가할 설정에 대한 이름을 입력해 주세요."), this));
    OftenName_Edit = new QLineEdit(this);
    OftenName_Edit->setObjectName("OftenName_Edit");
    layout->addWidget(OftenName_Edit);
    auto *buttons = new QHBoxLayout;
    Button1 = new QPushButton(T("확인"), this);
    Button1->setObjectName("Button1");
    Button1->setDefault(true);
    Button1->setEnabled(false);
    Button2 = new QPushButton(T("취소"), this);
    Button2->setObjectName("Button2");
    buttons->addStretch(1);
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(OftenName_Edit, &QLineEdit::textChanged, this,
            [this](const QString &text) { Button1->setEnabled(UsableName(text)); });
    connect(Button1, &QPushButton::clicked, this, &TVL_CreateOften_Form::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TVL_CreateOften_Form::Button2Click);
}

bool TVL_CreateOften_Form::UsableName(const QString &name)
{
    return !name.trimmed().isEmpty() && !name.contains(u'\\') &&
           name.compare(QStringLiteral("PreValue"), Qt::CaseInsensitive) != 0;
}

void TVL_CreateOften_Form::Button1Click()
{
    const QString name = OftenName_Edit->text();
    if (!UsableName(name))
        return;
    FConfirmed(name);
    accept();
}

void TVL_CreateOften_Form::Button2Click() { reject(); }

void TVL_CreateOften_Form::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    const QScreen *screen = QGuiApplication::screenAt(geometry().center());
    if (!screen)
        screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TVL_CreateOften_Form::done(int result)
{
    OftenName_Edit->clear();
    QDialog::done(result);
}
