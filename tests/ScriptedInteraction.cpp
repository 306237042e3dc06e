#include "ScriptedInteraction.h"

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
        m_problems.append(QStringLiteral("%1 appeared unexpectedly")
                              .arg(QLatin1String(dialog.metaObject()->className())));
        return QDialog::Rejected;
    }
    const auto handler = std::move(m_handlers.front());
    m_handlers.pop_front();
    return handler(dialog, m_problems);
}

bool ScriptedInteraction::offerAction(QWidget *, const QString &text, const QString &action)
{
    messages.append(text);
    actionsOffered.append(action);
    if (actionChoices.empty())
        return false;
    const bool chosen = actionChoices.front();
    actionChoices.pop_front();
    return chosen;
}

void ScriptedInteraction::notify(QWidget *, const QString &text)
{
    notices.append(text);
}

void ScriptedInteraction::openDocument(const QString &path, const OpenFailure &onFailure)
{
    openedDocuments.append(path);
    if (desktopOpener)
        m_opener->open(path, onFailure);
    else if (!documentsOpen && onFailure)
        onFailure();
}

QStringList ScriptedInteraction::problems() const
{
    QStringList problems = m_problems;
    if (!m_handlers.empty())
        problems.append(
            QStringLiteral("%1 expected dialog(s) never appeared").arg(m_handlers.size()));
    return problems;
}
