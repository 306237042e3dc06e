#include "ui/common/Interaction.h"

#include <QDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {
const QString Title = QStringLiteral("Quillmoor");
} // namespace

void DesktopInteraction::showMessage(QWidget *parent, const QString &text)
{
    QMessageBox::information(parent, Title, text);
}

bool DesktopInteraction::askOkCancel(QWidget *parent, const QString &text, const QString &title)
{
    return QMessageBox::question(parent, title, text, QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Ok) == QMessageBox::Ok;
}

bool DesktopInteraction::offerAction(QWidget *parent, const QString &text, const QString &action)
{
    QMessageBox box(QMessageBox::Information, Title, text, QMessageBox::Ok, parent);
    QPushButton *actionButton = box.addButton(action, QMessageBox::ActionRole);
    box.setDefaultButton(actionButton);
    box.exec();
    return box.clickedButton() == actionButton;
}

void DesktopInteraction::notify(QWidget *parent, const QString &text)
{
    auto *box = new QMessageBox(QMessageBox::Information, Title, text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

int DesktopInteraction::execDialog(QDialog &dialog)
{
    return dialog.exec();
}

void DesktopInteraction::openDocument(const QString &path, const OpenFailure &onFailure)
{
    m_opener.open(path, onFailure);
}
