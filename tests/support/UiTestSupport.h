#pragma once
// Answering message boxes in window tests: a zero-time timer waits for the
// next modal box, keeps its text and clicks the asked button.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
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

// Answers the next count boxes with OK, collecting their texts.
inline void AnswerMessagesWithOk(int count, QStringList *texts, QMessageBox *answered = nullptr)
{
    QTimer::singleShot(0, [count, texts, answered] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || box == answered) {
            AnswerMessagesWithOk(count, texts, answered);
            return;
        }
        *texts << box->text();
        box->button(QMessageBox::Ok)->click();
        if (count > 1)
            AnswerMessagesWithOk(count - 1, texts, box);
    });
}
