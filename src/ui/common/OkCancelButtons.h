#pragma once

class QDialog;
class QDialogButtonBox;
class UiTextTable;

// The OK/Cancel row every dialog shares: a QDialogButtonBox, so the buttons
// stand in the platform's order, captioned in the interface language and
// named okButton and cancelButton. Cancel rejects the dialog; OK is the
// caller's to connect, as it may check the choice before accepting.
namespace OkCancelButtons {

QDialogButtonBox *create(QDialog *dialog, const UiTextTable &texts);

} // namespace OkCancelButtons
