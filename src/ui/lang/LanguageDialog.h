#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;
class UiTextTable;

// The Language dialog: lists the language folders and returns the chosen one.
class LanguageDialog : public QDialog
{
    Q_OBJECT

public:
    // `entries` are listed as given; `current` is selected when present.
    LanguageDialog(const QStringList &entries, const QString &current, const UiTextTable &texts,
                   QWidget *parent = nullptr);

    // The language picked when the dialog was accepted.
    QString selectedLanguage() const { return m_selected; }

    QListWidget *languageList;
    QPushButton *okButton;

private:
    void acceptChoice();

    QString m_selected;
};
