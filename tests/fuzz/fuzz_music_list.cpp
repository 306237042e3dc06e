// The music list of a folder: whatever lies in it, the list holds only
// visible playable files of that folder, sorted without regard to case, and
// each one is found again at its own place.

#include "FuzzFolder.h"
#include "FuzzSupport.h"

#include "core/music/MusicFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const FuzzTree tree(QFile::encodeName(fuzzScratchFolder()));
    if (tree.root().isEmpty())
        return 0;
    makeFuzzTree(tree.root(), fuzzBytes(data, size));
    const QString folder = QFile::decodeName(tree.root());

    const QStringList pieces = MusicFolder::candidates(folder);
    for (int i = 0; i < pieces.size(); ++i) {
        const QFileInfo piece(pieces.at(i));
        FUZZ_CHECK(piece.isFile() && piece.absolutePath() == QDir(folder).absolutePath());
        FUZZ_CHECK(!piece.fileName().startsWith(QLatin1Char('.')));
        FUZZ_CHECK(MusicFolder::indexOf(pieces, pieces.at(i)) == i);
        if (i > 0) {
            const QString before = QFileInfo(pieces.at(i - 1)).fileName();
            const int order = before.compare(piece.fileName(), Qt::CaseInsensitive);
            FUZZ_CHECK(order < 0 || (order == 0 && before < piece.fileName()));
        }
    }
    FUZZ_CHECK(MusicFolder::indexOf(pieces, folder + QStringLiteral("/.hidden.mid")) == -1);
    return 0;
}
