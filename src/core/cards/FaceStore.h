#pragma once

#include <QHash>
#include <QImage>
#include <QSize>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

class QFile;

// Card faces kept on disk at the sizes they were shown at, so that a face
// shown once, in this session or an earlier one, is read back instead of
// decoded again. A JPEG costs its whole entropy decoding whatever size it is
// scaled to; a stored face costs the reading of its pixels.
//
// Each face is stored with the size and modification time its picture file
// had when the face was made, and is used only while both still match: a
// picture replaced in a deck folder is decoded anew.
//
// Faces are written on a thread of their own, each through the program's
// safe write, once no face has been asked to be kept for a moment: while a
// window is being resized every step asks for faces at a new size, and only
// the last size of each picture (of one shape) is written. When the folder
// grows past its capacity the faces written longest ago give way. Nothing
// here is the user's data: a face that cannot be written or read back is
// simply decoded again, and faces not yet written when the store closes are
// dropped.
class FaceStore
{
public:
    static constexpr qint64 DefaultCapacity = 128LL * 1024 * 1024;
    // How long no face must have been asked to be kept before faces are written.
    static constexpr int SettleMs = 300;

    // What a face is made from: the picture file, as it was when measured.
    struct Source
    {
        QString path;
        qint64 bytes = -1;
        qint64 modifiedMs = 0;
        // Measures the file at `picturePath` now; invalid when it is no file.
        static Source of(const QString &picturePath);
        bool isValid() const { return bytes >= 0; }
    };

    explicit FaceStore(const QString &folder, qint64 capacity = DefaultCapacity);
    // Finishes the face being written and drops the others.
    ~FaceStore();
    FaceStore(const FaceStore &) = delete;
    FaceStore &operator=(const FaceStore &) = delete;

    // The face of `source` stored at `size` device pixels, turned by 180
    // degrees when `turned`; a null image when none is stored, or the stored
    // one is of an older picture, or damaged. One entry serves both ways up.
    QImage find(const Source &source, const QSize &size, bool turned = false) const;
    // Stores `face`, made from `source` as measured before it was decoded
    // and turned by 180 degrees when `turned`. Returns at once; the face is
    // written in the background.
    void keep(const Source &source, const QImage &face, bool turned = false);
    // Makes the face of `source` at `size` with `decode` on the writer thread
    // and stores it, unless it is stored already: for a face about to be
    // shown, such as a card dealt face down. `decode` runs on that thread and
    // gives the face upright, or a null image.
    using Decoder = std::function<QImage()>;
    void prepare(const Source &source, const QSize &size, Decoder decode);
    // Writes every face given to keep() or prepare() now, without waiting
    // for the sizes to settle, and returns once they are written or given up.
    void waitForWrites();

    // The file a face of `picturePath` at `size` is stored in.
    QString entryPath(const QString &picturePath, const QSize &size) const;

private:
    // A face waiting to be written: given whole, or made by `decode`.
    struct Pending
    {
        Source source;
        QSize size;
        QImage face;
        bool turned = false;
        Decoder decode;
    };
    // Puts `pending` in place of any earlier face of the same picture and
    // shape, and has the writer started.
    void schedule(Pending pending);
    // The writer: waits until the faces settle, then writes them, until
    // there are no more.
    void drain();
    void store(const Pending &pending);

    // Opens the entry holding the face of `source` at `size` and reads its
    // header, leaving `file` at the pixels; the face's format goes to
    // `format`, whether it is turned to `turned`. False when there is no
    // such entry or it is stale or damaged.
    bool openEntry(QFile &file, const Source &source, const QSize &size, QImage::Format *format,
                   bool *turned) const;
    // On the writer thread.
    void write(const Source &source, const QImage &face, bool turned);
    void prune(const QString &justWritten);

    QString m_folder;
    qint64 m_capacity;
    // The bytes the folder holds, learned at the first write; -1 before.
    // Used only on the writer thread.
    qint64 m_used = -1;

    std::mutex m_mutex;
    // Told of each face scheduled, of a hurry, of closing and of the writer's end.
    std::condition_variable m_changed;
    QHash<QString, Pending> m_pending;
    bool m_writing = false;
    bool m_hurry = false;
    std::atomic<bool> m_closing = false;
    // Started when a face is scheduled and none is running; it ends when
    // there is nothing left to write.
    std::thread m_writer;
};
