#include "ui/common/Interaction.h"

#include <QDesktopServices>
#include <QDialog>
#include <QMessageBox>
#include <QUrl>

void DesktopInteraction::showMessage(QWidget *parent, const QString &text)
{
    QMessageBox::information(parent, QStringLiteral("Quillmoor"), text);
}

bool DesktopInteraction::askOkCancel(QWidget *parent, const QString &text, const QString &title)
{
    return QMessageBox::question(parent, title, text, QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Ok) == QMessageBox::Ok;
}

int DesktopInteraction::execDialog(QDialog &dialog)
{
    return dialog.exec();
}

bool DesktopInteraction::openDocument(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
