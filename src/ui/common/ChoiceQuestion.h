#pragma once

#include <QList>
#include <QMessageBox>

class QPushButton;

// A question with buttons of the caller's own texts, such as Save, Discard
// and Cancel. It is a dialog, so it runs through Interaction::execDialog and
// tests answer it by clicking one of its choices.
class ChoiceQuestion : public QMessageBox
{
    Q_OBJECT

public:
    ChoiceQuestion(const QString &title, const QString &text, QWidget *parent = nullptr);

    // Adds a button; choices are numbered from 0 in the order they are added.
    // The one added with `escapes` is what Esc and the close button choose.
    QPushButton *addChoice(const QString &text, ButtonRole role, bool escapes = false);
    QPushButton *choiceButton(int choice) const { return m_choices.value(choice); }
    // The choice clicked, or the escaping one when the question was closed.
    int chosen() const;

private:
    QList<QPushButton *> m_choices;
    int m_escape = -1;
};
