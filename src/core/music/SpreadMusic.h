#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The association file that gives spreads music of their own. Each line
// names a spread, a blank and the music file in double quotes:
//     Celtic Cross "Stormsinafrica.mid"
// A file in the music folder is kept by its name relative to that folder,
// any other by its full path.
namespace SpreadMusic {

// The association file has a short line per spread; thousands of spreads
// take a few hundred kilobytes, so a larger file is no association file.
inline constexpr qint64 LargestFile = 16LL * 1024 * 1024;

struct Association
{
    QString spreadName;
    // The music file as the file keeps it.
    QString musicName;
};

// The file's text; a missing or unreadable file gives an empty text. Older
// files in the 8-bit code page of `language` are read too.
QString readText(const QString &path, const QString &language);

// The music name `text` keeps for the spread `spreadName`, or an empty
// string. Only a line that begins with the whole name (in any letter case)
// followed by a blank and a quote counts, so "Cross" never takes the music
// of "Celtic Cross".
QString lookup(const QString &text, const QString &spreadName);

// The path of the file a music name stands for: a relative name, with `/`
// or `\` between its parts, lies under `musicFolder`; one whose ".." leads
// out of it stands for nothing (empty). An absolute name is the file the
// user chose anywhere.
QString resolve(const QString &musicName, const QString &musicFolder);

// The music name to keep for the file at `path`: relative to `musicFolder`
// when it lies there, else the path itself.
QString musicNameFor(const QString &path, const QString &musicFolder);

// The file's text for `associations`, in their order; those without music
// are left out.
QByteArray compose(const QList<Association> &associations);

// Replaces the file at `path` as a whole; on failure the old file stays and
// `errorString` says why.
bool write(const QString &path, const QList<Association> &associations,
           QString *errorString = nullptr);

} // namespace SpreadMusic
