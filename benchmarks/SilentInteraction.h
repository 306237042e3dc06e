#pragma once

#include "ui/common/Interaction.h"

// Answers every message box and dialog at once, so a measured run of the
// table never waits for a person.
class SilentInteraction : public Interaction
{
public:
    void showMessage(QWidget *, const QString &) override {}
    bool askOkCancel(QWidget *, const QString &, const QString &) override { return false; }
    int execDialog(QDialog &) override { return 0; }
    bool openDocument(const QString &) override { return true; }
};
