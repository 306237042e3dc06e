#pragma once

#include <QByteArray>
#include <QString>

// Turns the bytes of the program's text files into text and back. Files
// written on this system are UTF-8; files made on older systems are in the
// 8-bit code page of their language. Bytes that are valid UTF-8 are taken as
// UTF-8, anything else as the code page of the language: Windows-1251 for the
// Cyrillic languages, Windows-1252 for all others.
namespace TextCodec {

enum class Encoding
{
    Utf8,
    Windows1251,
    Windows1252
};

// The code page older files of `language` (a language folder's name) use.
Encoding codePageFor(const QString &language);

// How `bytes` are read: UTF-8 when they are valid UTF-8, else the code page.
Encoding detect(const QByteArray &bytes, const QString &language);

QString decode(const QByteArray &bytes, const QString &language);

// `text` in `encoding`; empty when the encoding cannot hold every character.
QByteArray encode(const QString &text, Encoding encoding, bool *ok = nullptr);

// The bytes to write for `text` that was shown from `original`: `original`
// itself when the text is unchanged, so a file written back unchanged keeps
// its bytes; otherwise the text in the encoding `original` was read in when
// that can hold it, else UTF-8 (after a byte order mark when `original`
// began with one).
QByteArray encodeLike(const QString &text, const QByteArray &original, const QString &language);

} // namespace TextCodec
