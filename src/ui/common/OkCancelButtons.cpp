#include "ui/common/OkCancelButtons.h"

#include "core/lang/UiText.h"
#include "core/lang/UiTextTable.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QIcon>
#include <QPushButton>

QDialogButtonBox *OkCancelButtons::create(QDialog *dialog, const UiTextTable &texts)
{
    auto *box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    box->setObjectName(QStringLiteral("buttonBox"));
    QPushButton *ok = box->button(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setText(texts.string(UiText::Ok));
    ok->setDefault(true);
    QPushButton *cancel = box->button(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setText(texts.string(UiText::Cancel));
    cancel->setAutoDefault(false);
    // Text only, as every other button of the program.
    for (QPushButton *button : {ok, cancel})
        button->setIcon(QIcon());
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return box;
}
