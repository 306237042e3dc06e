#pragma once

#include "core/data/DataRoots.h"

#include <QString>
#include <QStringList>

#include <optional>

// A spread file opened from outside the program (named on the command line,
// double-clicked in a file manager), made ready for a reading.
namespace SpreadImport {

struct Offered
{
    // The spread's name: the file's name without its extension.
    QString name;
    // The file the reading lays.
    QString path;
};

// Why a file was not offered: it is no spread the table can lay, or it could
// not be copied among the user's spreads. `text` names the file and its fault.
struct Refusal
{
    enum class Kind
    {
        Unreadable,
        NotSaved,
    };
    Kind kind = Kind::Unreadable;
    QString text;
};

// A file in one of the roots' Spreads folders is laid where it is. Another
// one is copied among the user's spreads when no spread of its name is
// offered, so that a reading saved with it opens again later; when the name
// is taken it is laid from where it lies. Nothing when the file is not a
// spread the table can lay or cannot be copied; `refusal` then says which.
std::optional<Offered> offer(const DataRoots &roots, const QStringList &offeredNames,
                             const QString &path, Refusal *refusal = nullptr);

} // namespace SpreadImport
