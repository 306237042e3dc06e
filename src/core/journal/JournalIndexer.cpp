#include "core/journal/JournalIndexer.h"

#include "core/journal/JournalReader.h"

#include <QThread>

JournalIndexer::JournalIndexer(QObject *parent)
    : QObject(parent)
{}

JournalIndexer::~JournalIndexer()
{
    stop();
    if (m_thread)
        m_thread->wait();
}

bool JournalIndexer::isRunning() const
{
    return m_thread && m_thread->isRunning();
}

void JournalIndexer::stop()
{
    m_stopping = true;
}

bool JournalIndexer::start(const Job &job)
{
    if (isRunning())
        return false;
    m_stopping = false;
    m_thread.reset(QThread::create([this, job] {
        Result result;
        // The connection belongs to this thread: made, used and closed here.
        JournalIndex index(job.databasePath);
        if (index.open(&result.error)) {
            result.rebuilt = index.wasRebuilt();
            index.setTitles(job.language, job.titles, job.englishTitles);
            JournalReader reader(job.roots, job.language);
            result.counts = index.update(job.folders, reader, [this](int done, int total) {
                // A window needs no more than a step every hundred files.
                if (done % 100 == 0 || done == total)
                    emit progress(done, total);
                return !m_stopping.load();
            });
        }
        // Read by the window only after the thread has finished.
        m_result = result;
    }));
    connect(m_thread.get(), &QThread::finished, this, &JournalIndexer::finished);
    m_thread->start(QThread::LowPriority);
    return true;
}
