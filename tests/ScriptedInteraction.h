#pragma once

#include "ui/common/Interaction.h"

#include <QStringList>

#include <deque>
#include <functional>

// Answers the table's message boxes and dialogs from a script, so tests can
// drive flows that would otherwise wait for a person.
class ScriptedInteraction : public Interaction
{
public:
    using DialogHandler = std::function<int(QDialog &)>;

    // The next dialog shown is handed to `handler`, whose return value
    // becomes the dialog's result.
    void expectDialog(DialogHandler handler) { m_handlers.push_back(std::move(handler)); }

    void showMessage(QWidget *parent, const QString &text) override;
    // Answers with the next queued answer, OK when none is queued.
    bool askOkCancel(QWidget *parent, const QString &text, const QString &title) override;
    int execDialog(QDialog &dialog) override;
    void openDocument(const QString &path) override;

    QStringList messages;
    QStringList questions;
    std::deque<bool> answers;
    QStringList openedDocuments;
    // Object names of dialogs that appeared with no handler queued.
    QStringList unexpectedDialogs;

private:
    std::deque<DialogHandler> m_handlers;
};
