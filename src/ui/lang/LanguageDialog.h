#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

// The Language dialog: lists the language folders and returns the chosen one.
class LanguageDialog : public QDialog
{
    Q_OBJECT

public:
    // `entries` are listed as given; `current` is selected when present.
    LanguageDialog(const QStringList &entries, const QString &current, const QString &caption,
                   const QString &okText, const QString &cancelText, QWidget *parent = nullptr);

    // The language picked when the dialog was accepted.
    QString selectedLanguage() const { return m_selected; }

    QListWidget *ListBox1;
    QPushButton *Button1;
    QPushButton *Button2;

private:
    void Button1Click();

    QString m_selected;
};
