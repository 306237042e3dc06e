#pragma once

#include "core/app/Preferences.h"
#include "core/data/DataRoots.h"
#include "core/table/ReadingSession.h"

#include <QObject>
#include <QString>

class QDateTime;

// Keeps every reading completed on the table in Saved/Journal, when the
// user wants it so, so that the journal also holds readings never saved by
// hand. Comments typed when the reading is then saved are kept with it.
class JournalKeeper : public QObject
{
    Q_OBJECT

public:
    static constexpr char Folder[] = "Saved/Journal";

    JournalKeeper(const ReadingSession &session, const DataRoots &roots,
                  const Preferences &preferences, QObject *parent = nullptr);

    // Where the reading on the table was kept; empty when it was not.
    QString keptPath() const { return m_keptPath; }
    // "<date> <time> - <spread>.reading", the name a kept reading gets.
    static QString fileName(const QDateTime &when, const QString &spreadName);

signals:
    // The reading could not be written; `reason` says why.
    void keepFailed(const QString &reason);

private:
    void onPhaseChanged(ReadingSession::Phase phase);
    void onPreferenceChanged(Preferences::Setting setting);
    void write(const QString &comments);

    const ReadingSession &m_session;
    DataRoots m_roots;
    const Preferences &m_preferences;
    QString m_keptPath;
};
