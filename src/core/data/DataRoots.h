#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

// Where the program's data lies and where what it writes goes. Run from a
// build folder or an unpacked copy the program keeps everything in that one
// folder, as a portable program does. Installed (its data folder carries the
// marker the install rules put there), the bundled data is only read, even
// by root: what it writes goes to the user's data folder
// (scratch files to the user's cache), and every read looks there first, so
// a meaning or spread the user edited wins over the bundled one.
//
// Every data path is made here; other code names a file relative to the
// data root ("Spreads/Celtic Cross.spread") and asks for it to be found or
// for the place to write it.
class DataRoots
{
public:
    // The file the install rules put into the installed data folder.
    static constexpr char InstalledMarker[] = "installed-layout";

    // No data at all, until one is assigned.
    DataRoots() = default;
    // One folder holding everything, read and written: the portable layout.
    // Implicit, so that a folder names its data roots where nothing else is meant.
    DataRoots(const QString &programDir);
    // Bundled data in `bundledDir`, only read; the user's files in `userDir`,
    // scratch files in `tempDir`.
    DataRoots(const QString &bundledDir, const QString &userDir, const QString &tempDir);

    // The data roots of the bundled data folder `bundledDir`: installed when
    // it carries the installed marker, with the user's folders where the
    // desktop keeps application data and caches (~/.local/share/Orvandel/Quillmoor,
    // Temp in ~/.cache/Orvandel/Quillmoor), else portable. Whether the folder
    // can be written decides nothing: root can write anywhere.
    static DataRoots forDataFolder(const QString &bundledDir);
    // The data folder of the executable in `executableDir`: the folder
    // itself when its data lies beside it, else the installed share folder
    // (`../share/quillmoor`), found relative to it so that any prefix works.
    static QString dataFolderOf(const QString &executableDir);
    // Whether `name` (a deck's or a language's, from the settings or a file)
    // can only mean one entry of its folder: not empty, not "." or "..",
    // without "/" or "\\" and not absolute. Any other name could lead out of
    // the data roots, so it names nothing.
    static bool isPlainName(const QString &name);

    bool isPortable() const { return m_portable; }
    // The bundled data; the only root when portable.
    QString bundledDir() const { return m_bundledDir; }
    // Where the program writes: the user's data folder, or the program
    // folder when portable.
    QString userDir() const { return m_userDir; }
    // The roots in the order reads look at them: the user's first.
    QStringList readRoots() const;

    // The first existing file or folder `relative` in read order; empty when none.
    QString find(const QString &relative) const;
    // `relative` in the first root that has it, else in the bundled data:
    // where a missing file would have been, for messages and for readers
    // that fail by themselves.
    QString findOrBundled(const QString &relative) const;
    // Entries of folder `relative` in every root, the user's first, each
    // name once (the user's entry hides the bundled one of the same name).
    QStringList entries(const QString &relative, const QStringList &nameFilters,
                        QDir::Filters filters) const;
    // The existing folders `relative` in read order.
    QStringList folders(const QString &relative) const;

    // Where `relative` is written: in the user's root. Makes its folder when
    // `makeFolder`; nothing is reported when that fails, the write will say so.
    QString writePath(const QString &relative, bool makeFolder = true) const;

    // Saved readings, which the reading dialogs start in.
    QString savedDir() const;
    // Reports kept for the user, beside the saved readings.
    QString reportsDir() const;
    // The scratch folder, emptied when the program closes.
    QString tempDir() const { return m_tempDir; }
    // Card faces kept at the sizes shown, beside the scratch folder: a cache
    // that outlives the session and that anything may empty.
    QString facesDir() const;
    // The Spreads folder the spread editor writes into.
    QString spreadsWriteDir() const;
    // Music: the user's folder first, then the bundled one (existing only).
    QStringList musicFolders() const;
    // The folder music dialogs start in: the first existing Music folder,
    // else the user's root.
    QString musicDir() const;
    // The music file `name` in the first Music folder that has it, else
    // where the bundled one would be.
    QString findMusic(const QString &name) const;
    // The spread-music association file to read (the user's when there is
    // one, else the bundled one) and the one to write (always the user's);
    // an existing file is found whatever the letter case of its name.
    QString associationFile() const;
    QString associationWritePath() const;

    // Makes the folders the program writes into: Music, then Saved and Temp
    // (Temp only when Saved could be made). Failures are left unreported.
    void createFolders() const;
    // Deletes the plain files in Temp; sub-folders are left alone.
    void emptyTemp() const;

private:
    // The association file in `root`: the existing one in any letter case,
    // else where a new one goes.
    static QString associationFileIn(const QString &root);
    static QString joined(const QString &root, const QString &relative);

    QString m_bundledDir;
    QString m_userDir;
    QString m_tempDir;
    bool m_portable = true;
};
