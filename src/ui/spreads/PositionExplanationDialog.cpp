#include "ui/spreads/PositionExplanationDialog.h"

#include "core/lang/UiText.h"
#include "core/lang/UiTextTable.h"
#include "ui/common/OkCancelButtons.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int DialogWidth = 265;
constexpr int DialogHeight = 112;
constexpr int FieldTop = 16;
// In name mode the prompt stands above the field, which moves down.
constexpr int NameFieldTop = 30;
constexpr int ButtonTop = 76;
} // namespace

PositionExplanationDialog::PositionExplanationDialog(const UiTextTable &texts, QWidget *parent)
    : QDialog(parent)
    , textEdit(new QLineEdit(this))
    , significatorBox(new QCheckBox(texts.string(UiText::SignificatorPosition), this))
    , nameLabel(new QLabel(texts.string(UiText::NewSpreadName), this))
    , m_significatorText(texts.string(UiText::ExplanationDefault))
    , m_explanationTitle(texts.string(UiText::ExplanationCaption))
    , m_newSpreadTitle(texts.string(UiText::NewSpreadCaption))
{
    auto *buttons = OkCancelButtons::create(this, texts);
    okButton = buttons->button(QDialogButtonBox::Ok);
    cancelButton = buttons->button(QDialogButtonBox::Cancel);
    setObjectName(QStringLiteral("PositionExplanationDialog"));
    textEdit->setObjectName(QStringLiteral("textEdit"));
    significatorBox->setObjectName(QStringLiteral("significatorBox"));
    nameLabel->setObjectName(QStringLiteral("nameLabel"));
    setFixedSize(DialogWidth, DialogHeight);

    textEdit->setGeometry(8, FieldTop, 249, 21);
    significatorBox->setGeometry(8, 46, 249, 20);
    nameLabel->setGeometry(8, 8, 249, 18);
    nameLabel->hide();
    buttons->setGeometry(48, ButtonTop, 169, 25);

    connect(significatorBox, &QCheckBox::toggled, this,
            &PositionExplanationDialog::onSignificatorToggled);
    // Enter in the field presses the default button, OK; Esc rejects.
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
}

void PositionExplanationDialog::editPosition(const QString &label, const Content &content)
{
    setWindowTitle(m_explanationTitle + label);
    nameLabel->hide();
    significatorBox->show();
    textEdit->move(8, FieldTop);
    textEdit->setEnabled(true);
    m_textBeforeSignificator = content.text;
    textEdit->setText(content.text);
    significatorBox->setChecked(content.significator);
    // A significator shows the significator text even when the file said otherwise.
    onSignificatorToggled(content.significator);
}

void PositionExplanationDialog::editName(const QString &name)
{
    setWindowTitle(m_newSpreadTitle);
    significatorBox->hide();
    significatorBox->setChecked(false);
    nameLabel->show();
    textEdit->move(8, NameFieldTop);
    textEdit->setEnabled(true);
    textEdit->setText(name);
}

PositionExplanationDialog::Content PositionExplanationDialog::content() const
{
    return {textEdit->text(), significatorBox->isChecked()};
}

void PositionExplanationDialog::onSignificatorToggled(bool checked)
{
    if (checked) {
        if (textEdit->isEnabled())
            m_textBeforeSignificator = textEdit->text();
        textEdit->setText(m_significatorText);
    } else if (!textEdit->isEnabled()) {
        textEdit->setText(m_textBeforeSignificator);
    }
    // A long text shows its start, also in the field that cannot be scrolled.
    textEdit->setCursorPosition(0);
    textEdit->setEnabled(!checked);
}
