#pragma once
// "자주 쓰는 설정 추가": asks for the name under which the resize settings
// are kept.

#include <QDialog>

#include <functional>

class QLineEdit;
class QPushButton;

class TVL_CreateOften_Form : public QDialog {
    Q_OBJECT
public:
    TVL_CreateOften_Form(QWidget *parent, std::function<void(const QString &name)> confirmed);

    void Button1Click();
    void Button2Click();
    // A name the settings store can hold as one preset: not empty, no key
    // separator, not the last-used record's own name.
    static bool UsableName(const QString &name);

    QLineEdit *OftenName_Edit = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    std::function<void(const QString &)> FConfirmed;
};
