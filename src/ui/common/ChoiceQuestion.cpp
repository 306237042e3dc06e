#include "ui/common/ChoiceQuestion.h"

#include <QPushButton>

ChoiceQuestion::ChoiceQuestion(const QString &title, const QString &text, QWidget *parent)
    : QMessageBox(QMessageBox::Question, title, text, QMessageBox::NoButton, parent)
{
    setObjectName(QStringLiteral("ChoiceQuestion"));
}

QPushButton *ChoiceQuestion::addChoice(const QString &text, ButtonRole role, bool escapes)
{
    QPushButton *button = addButton(text, role);
    button->setObjectName(QStringLiteral("choice%1").arg(m_choices.size()));
    if (m_choices.isEmpty())
        setDefaultButton(button);
    if (escapes) {
        m_escape = int(m_choices.size());
        setEscapeButton(button);
    }
    m_choices.append(button);
    return button;
}

int ChoiceQuestion::chosen() const
{
    const int clicked = int(m_choices.indexOf(clickedButton()));
    return clicked >= 0 ? clicked : m_escape;
}
