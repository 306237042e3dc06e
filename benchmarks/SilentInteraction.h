#pragma once

#include "ui/common/Interaction.h"

// Answers every message box and dialog at once, so a measured run of the
// table never waits for a person.
class SilentInteraction : public Interaction
{
public:
    void showMessage(QWidget *, const QString &) override {}
    bool askOkCancel(QWidget *, const QString &, const QString &) override { return false; }
    bool offerAction(QWidget *, const QString &, const QString &) override { return false; }
    void notify(QWidget *, const QString &) override {}
    int execDialog(QDialog &) override { return 0; }
    void openDocument(const QString &, const OpenFailure &) override {}
};
