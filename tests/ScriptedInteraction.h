#pragma once

#include "ui/common/Interaction.h"

#include <QDialog>
#include <QStringList>

#include <deque>
#include <functional>
#include <memory>

// Answers the table's message boxes and dialogs from a script, so tests can
// drive flows that would otherwise wait for a person.
class ScriptedInteraction : public Interaction
{
public:
    using DialogHandler = std::function<int(QDialog &)>;

    // The next dialog shown is handed to `handler`, whose return value
    // becomes the dialog's result.
    void expectDialog(DialogHandler handler)
    {
        m_handlers.push_back([handler = std::move(handler)](QDialog &dialog, QStringList &) {
            return handler(dialog);
        });
    }

    // The same for a dialog that must be a `Dialog`; one of another type is
    // rejected and recorded as a problem, so the test fails instead of
    // handling the wrong window.
    template <typename Dialog> void expectDialog(std::function<int(Dialog &)> handler)
    {
        m_handlers.push_back(
            [handler = std::move(handler)](QDialog &dialog, QStringList &problems) {
                if (auto *expected = qobject_cast<Dialog *>(&dialog))
                    return handler(*expected);
                problems.append(QStringLiteral("%1 appeared where %2 was expected")
                                    .arg(QLatin1String(dialog.metaObject()->className()),
                                         QLatin1String(Dialog::staticMetaObject.className())));
                return int(QDialog::Rejected);
            });
    }

    void showMessage(QWidget *parent, const QString &text) override;
    // Answers with the next queued answer, OK when none is queued.
    bool askOkCancel(QWidget *parent, const QString &text, const QString &title) override;
    // Records `text` among the messages; answers with the next queued
    // choice, not the action when none is queued.
    bool offerAction(QWidget *parent, const QString &text, const QString &action) override;
    void notify(QWidget *parent, const QString &text) override;
    int execDialog(QDialog &dialog) override;
    // Records `path`; fails at once unless `documentsOpen`, or hands it to
    // the desktop's own opener when `desktopOpener`.
    void openDocument(const QString &path, const OpenFailure &onFailure) override;

    // What went against the script: dialogs nobody expected, dialogs of the
    // wrong type, and expected dialogs that never appeared. A test's
    // cleanup() checks that this stays empty.
    QStringList problems() const;

    QStringList messages;
    QStringList questions;
    std::deque<bool> answers;
    std::deque<bool> actionChoices;
    QStringList actionsOffered;
    QStringList notices;
    QStringList openedDocuments;
    // Whether the desktop has an application for the documents it is asked to open.
    bool documentsOpen = true;
    // Whether documents go to the real opener (the xdg-open found on PATH).
    bool desktopOpener = false;

private:
    std::deque<std::function<int(QDialog &, QStringList &problems)>> m_handlers;
    // Shared, so the script can be assigned afresh.
    std::shared_ptr<DocumentOpener> m_opener = std::make_shared<DocumentOpener>();
    QStringList m_problems;
};
