#pragma once

#include "core/data/DataRoots.h"
#include "core/journal/JournalIndex.h"
#include "core/lang/CardTitles.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>

class QThread;

// Brings the journal's index up to date in a thread of its own, so that a
// window stays usable while thousands of readings are read. The index is
// committed as it grows; a window reads it through its own connection.
class JournalIndexer : public QObject
{
    Q_OBJECT

public:
    struct Job
    {
        QString databasePath;
        QStringList folders;
        DataRoots roots;
        QString language = QStringLiteral("English");
        CardTitles::Table titles;
        CardTitles::Table englishTitles;
    };
    struct Result
    {
        JournalIndex::UpdateCounts counts;
        bool rebuilt = false;
        // Why the index could not be opened; empty when it was.
        QString error;
    };

    explicit JournalIndexer(QObject *parent = nullptr);
    // Stops an update under way and waits for its thread.
    ~JournalIndexer() override;

    // Starts updating; false while an update is still running.
    bool start(const Job &job);
    bool isRunning() const;
    // Asks a running update to stop after the file at hand.
    void stop();
    // What the last finished update did.
    Result result() const { return m_result; }

signals:
    void progress(int done, int total);
    void finished();

private:
    std::unique_ptr<QThread> m_thread;
    std::atomic<bool> m_stopping{false};
    Result m_result;
};
