#pragma once
// Answering message boxes in window tests: a zero-time timer waits for the
// next modal box, keeps its text and clicks the asked button.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>

inline void AnswerNextMessage(QMessageBox::StandardButton button, QString *text = nullptr)
{
    QTimer::singleShot(0, [button, text] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            AnswerNextMessage(button, text);
            return;
        }
        if (text)
            *text = box->text();
        box->button(button)->click();
    });
}

// Answers the next boxes in turn with the given buttons, collecting their
// texts. A box answered is skipped until it is gone.
inline void AnswerMessages(QList<QMessageBox::StandardButton> buttons, QStringList *texts,
                           QPointer<QMessageBox> answered = nullptr)
{
    QTimer::singleShot(0, [buttons, texts, answered] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || box == answered) {
            AnswerMessages(buttons, texts, answered);
            return;
        }
        *texts << box->text();
        box->button(buttons.first())->click();
        if (buttons.size() > 1)
            AnswerMessages(buttons.mid(1), texts, box);
    });
}

// Answers the next count boxes with OK, collecting their texts.
inline void AnswerMessagesWithOk(int count, QStringList *texts)
{
    AnswerMessages(QList<QMessageBox::StandardButton>(count, QMessageBox::Ok), texts);
}
