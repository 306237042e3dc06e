#include "core/journal/JournalKeeper.h"

#include "core/readings/ReadingFile.h"

#include <QDateTime>
#include <QDir>

JournalKeeper::JournalKeeper(const ReadingSession &session, const DataRoots &roots,
                             const Preferences &preferences, QObject *parent)
    : QObject(parent)
    , m_session(session)
    , m_roots(roots)
    , m_preferences(preferences)
{
    connect(&session, &ReadingSession::phaseChanged, this, &JournalKeeper::onPhaseChanged);
    connect(&session, &ReadingSession::spreadLaid, this, [this] { m_keptPath.clear(); });
    connect(&preferences, &Preferences::changed, this, &JournalKeeper::onPreferenceChanged);
}

QString JournalKeeper::fileName(const QDateTime &when, const QString &spreadName)
{
    // No colons: the name must be a file name on every system.
    return when.toString(QStringLiteral("yyyy-MM-dd HH-mm-ss")) + QStringLiteral(" - ") +
           spreadName + QStringLiteral(".reading");
}

void JournalKeeper::onPhaseChanged(ReadingSession::Phase phase)
{
    // A reading opened from its file is in the journal already.
    if (phase != ReadingSession::Phase::Complete || !m_preferences.keepEveryReading() ||
        m_session.prompt().step == Prompt::Step::ReadingOpened)
        return;
    m_keptPath = m_roots.writePath(QLatin1String(Folder) + QLatin1Char('/') +
                                   fileName(QDateTime::currentDateTime(), m_session.spreadName()));
    write(QString());
}

void JournalKeeper::onPreferenceChanged(Preferences::Setting setting)
{
    // The comments typed for saving the reading belong to it in the journal too.
    if (setting == Preferences::Setting::ReportComments && !m_keptPath.isEmpty())
        write(m_preferences.reportComments());
}

void JournalKeeper::write(const QString &comments)
{
    QString reason;
    if (!m_session.toReadingFile(ReadingFile::commentsFromMemo(comments)).save(m_keptPath, &reason))
        emit keepFailed(QDir::toNativeSeparators(m_keptPath) + QStringLiteral(": ") + reason);
}
