#include "Interaction.h"

#include <QDesktopServices>
#include <QDialog>
#include <QMessageBox>
#include <QUrl>

void DesktopInteraction::showMessage(QWidget *parent, const QString &text)
{
    QMessageBox::information(parent, QStringLiteral("Quillmoor"), text);
}

int DesktopInteraction::execDialog(QDialog &dialog)
{
    return dialog.exec();
}

void DesktopInteraction::openDocument(const QString &path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
