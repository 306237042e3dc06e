#include "ScriptedInteraction.h"

#include <QDialog>

void ScriptedInteraction::showMessage(QWidget *, const QString &text)
{
    messages.append(text);
}

bool ScriptedInteraction::askOkCancel(QWidget *, const QString &text, const QString &)
{
    questions.append(text);
    if (answers.empty())
        return true;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

int ScriptedInteraction::execDialog(QDialog &dialog)
{
    if (m_handlers.empty()) {
        unexpectedDialogs.append(dialog.objectName());
        return QDialog::Rejected;
    }
    DialogHandler handler = std::move(m_handlers.front());
    m_handlers.pop_front();
    return handler(dialog);
}

void ScriptedInteraction::openDocument(const QString &path)
{
    openedDocuments.append(path);
}
