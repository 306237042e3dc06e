#pragma once

// Builds a folder tree from a fuzz input, for the targets that read folders
// rather than files: each line names an entry by its raw bytes, "a" a file
// and "a/b" a file b in folder a; a line ending in "/" makes a folder only.
// Lines that could leave the tree ("..", empty parts) are skipped, as are
// names the file system refuses. The tree is made and removed by its raw
// bytes: a name that is no UTF-8 would not survive a round trip through
// QString.

#include <QByteArray>
#include <QList>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

// A fresh empty folder under `parent`, removed again with its contents when
// this goes.
class FuzzTree
{
public:
    explicit FuzzTree(const QByteArray &parent)
        : m_root(parent + "/tree-XXXXXX")
    {
        if (!::mkdtemp(m_root.data()))
            m_root.clear();
    }
    ~FuzzTree()
    {
        if (!m_root.isEmpty())
            ::nftw(m_root.constData(), removeEntry, 16, FTW_DEPTH | FTW_PHYS);
    }
    FuzzTree(const FuzzTree &) = delete;
    FuzzTree &operator=(const FuzzTree &) = delete;

    const QByteArray &root() const { return m_root; }

private:
    static int removeEntry(const char *path, const struct stat *, int, struct FTW *)
    {
        return std::remove(path);
    }

    QByteArray m_root;
};

inline void makeFuzzTree(const QByteArray &root, const QByteArray &input, int maxEntries = 24)
{
    const QList<QByteArray> lines = input.split('\n');
    for (int i = 0; i < lines.size() && i < maxEntries; ++i) {
        const QByteArray &line = lines.at(i);
        if (line.contains('\0'))
            continue;
        QList<QByteArray> parts = line.split('/');
        const bool folderOnly = line.endsWith('/');
        if (folderOnly)
            parts.removeLast();
        if (parts.isEmpty() || parts.size() > 2)
            continue;
        bool plain = true;
        for (const QByteArray &part : parts)
            plain = plain && !part.isEmpty() && part != "." && part != "..";
        if (!plain)
            continue;
        QByteArray path = root;
        for (int p = 0; p < parts.size(); ++p) {
            path += '/' + parts.at(p);
            if (p + 1 < parts.size() || folderOnly)
                ::mkdir(path.constData(), 0700);
        }
        if (!folderOnly) {
            const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
            if (fd >= 0)
                ::close(fd);
        }
    }
}
