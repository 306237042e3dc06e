#pragma once

#include <QString>

class QDialog;
class QWidget;

// Everything the windows ask of the person or of the desktop: message boxes,
// modal dialogs and opening a document in its application. The program uses
// DesktopInteraction; tests answer through a scripted one.
class Interaction
{
public:
    virtual ~Interaction() = default;

    virtual void showMessage(QWidget *parent, const QString &text) = 0;
    // Asks a question with OK and Cancel; true for OK.
    virtual bool askOkCancel(QWidget *parent, const QString &text, const QString &title) = 0;
    // Runs `dialog` modally and returns its result (QDialog::Accepted or Rejected).
    virtual int execDialog(QDialog &dialog) = 0;
    // Hands `path` to the desktop to open; false when the desktop has no
    // application for it.
    virtual bool openDocument(const QString &path) = 0;
};

class DesktopInteraction : public Interaction
{
public:
    void showMessage(QWidget *parent, const QString &text) override;
    bool askOkCancel(QWidget *parent, const QString &text, const QString &title) override;
    int execDialog(QDialog &dialog) override;
    bool openDocument(const QString &path) override;
};
