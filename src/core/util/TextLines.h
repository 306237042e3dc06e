#pragma once

#include <QByteArray>
#include <QList>

#include <optional>

// Cuts the program's text files into lines. A line ends at CR LF, at CR alone
// or at LF alone, so a file reads the same whichever editor last saved it.
// What the program writes still ends its lines with CR LF.
namespace TextLines {

// Reads lines off a text one at a time and leaves what follows the last line
// end for the caller (a reading's comments, a card list's last title).
class Cursor
{
public:
    explicit Cursor(QByteArray text);

    // Whether another line end follows.
    bool hasLineEnd() const;
    // The text up to the next line end, which is passed; empty when no line
    // end follows, and then nothing is taken.
    std::optional<QByteArray> next();
    // Everything after the last line end taken.
    QByteArray rest() const;
    // The number of lines taken, counting from 1.
    int lineNumber() const { return m_lineNumber; }

private:
    QByteArray m_text;
    qsizetype m_pos = 0;
    int m_lineNumber = 0;
};

// Every line of `text`; non-empty text after the last line end is one more line.
QList<QByteArray> split(const QByteArray &text);

} // namespace TextLines
