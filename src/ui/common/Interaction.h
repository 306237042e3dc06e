#pragma once

#include "ui/common/DocumentOpener.h"

#include <QString>

#include <functional>

class QDialog;
class QWidget;

// Everything the windows ask of the person or of the desktop: message boxes,
// modal dialogs and opening a document in its application. The program uses
// DesktopInteraction; tests answer through a scripted one.
class Interaction
{
public:
    // Called when the desktop found no way to open a file.
    using OpenFailure = std::function<void()>;

    virtual ~Interaction() = default;

    virtual void showMessage(QWidget *parent, const QString &text) = 0;
    // Asks a question with OK and Cancel; true for OK.
    virtual bool askOkCancel(QWidget *parent, const QString &text, const QString &title) = 0;
    // Shows `text` with OK and a button `action`; true when the person chose the action.
    virtual bool offerAction(QWidget *parent, const QString &text, const QString &action) = 0;
    // Says `text` without waiting for an answer.
    virtual void notify(QWidget *parent, const QString &text) = 0;
    // Runs `dialog` modally and returns its result (QDialog::Accepted or Rejected).
    virtual int execDialog(QDialog &dialog) = 0;
    // Hands `path` to the desktop to open. The desktop answers later: when
    // it has no application for the file, `onFailure` is called.
    virtual void openDocument(const QString &path, const OpenFailure &onFailure) = 0;
};

class DesktopInteraction : public Interaction
{
public:
    void showMessage(QWidget *parent, const QString &text) override;
    bool askOkCancel(QWidget *parent, const QString &text, const QString &title) override;
    bool offerAction(QWidget *parent, const QString &text, const QString &action) override;
    void notify(QWidget *parent, const QString &text) override;
    int execDialog(QDialog &dialog) override;
    void openDocument(const QString &path, const OpenFailure &onFailure) override;

private:
    DocumentOpener m_opener;
};
