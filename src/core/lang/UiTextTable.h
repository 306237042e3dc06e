#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The interface texts of the current language, addressed by line index.
// Every line the language's list does not reach falls back to the built-in
// English text, so a short, damaged or missing list never leaves a button,
// a title or a menu without its caption.
class UiTextTable
{
public:
    // The English interface texts compiled into the program: the bundled
    // English List.lng, line by line.
    static const QList<QByteArray> &builtinLines();

    UiTextTable() = default;

    // The language's line `index`, else the built-in English one; empty only
    // past the end of both.
    QByteArray text(int index) const;
    // The line as the windows show it, decoded for the current language.
    QString string(int index) const;
    // A menu command's line as a button or a window title shows it: without
    // the trailing dots that say the menu item opens a window (and without
    // accelerator marks).
    QString buttonString(int index) const;
    // Other text of the current language, such as a spread's name in a
    // reading file, decoded the same way.
    QString decoded(const QByteArray &bytes) const;
    // The bytes to store for `edited`, a text first shown as decoded(original):
    // `original` itself while unchanged, whatever its code page; else UTF-8.
    QByteArray encoded(const QString &edited, const QByteArray &original) const;
    // Lines from different files, such as an interface line followed by a
    // spread's explanation, each decoded on its own (one may be UTF-8 and the
    // other in the code page) and joined by '\n'.
    QString decodedLines(const QByteArray &bytes) const;
    // The number of lines the language's list gave.
    int count() const { return int(m_lines.size()); }
    // Whether the language's list reaches every built-in line.
    bool isComplete() const { return m_lines.size() >= builtinLines().size(); }
    void replace(QList<QByteArray> lines);
    // The language whose code page decodes lines that are not UTF-8.
    void setLanguage(const QString &language) { m_language = language; }

private:
    QList<QByteArray> m_lines;
    QString m_language = QStringLiteral("English");
};
