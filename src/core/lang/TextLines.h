#pragma once

#include <QByteArray>
#include <QList>

// Splits a language file's text into lines: a line ends at a CR, and an LF
// right after the CR belongs to the line end. A lone LF is not a line end.
// Non-empty text after the last CR is one more line.
namespace TextLines {

QList<QByteArray> split(const QByteArray &text);

} // namespace TextLines
