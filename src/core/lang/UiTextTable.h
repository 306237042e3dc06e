#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The interface texts of the current language, addressed by line index.
// Looking up an index the language file does not reach gives an empty text,
// so a short or damaged file never takes a window down.
class UiTextTable
{
public:
    // Before any language is loaded the table holds this many empty texts.
    static constexpr int InitialLineCount = 126;

    UiTextTable();

    QByteArray text(int index) const;
    // The line as the windows show it: the language files are in the
    // system's 8-bit encoding.
    QString string(int index) const;
    int count() const { return int(m_lines.size()); }
    void replace(QList<QByteArray> lines);

private:
    QList<QByteArray> m_lines;
};
