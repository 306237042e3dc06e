#pragma once

#include "core/data/DataRoots.h"
#include "core/journal/JournalEntry.h"
#include "core/spreads/Spread.h"

#include <QWidget>

#include <functional>

class CardFaceCache;

// The selected reading's spread drawn small, with its cards face up as they
// lay, so that a reading can be recognised before it is opened.
class JournalSpreadPane : public QWidget
{
    Q_OBJECT

public:
    // Pictures come from `faces` for the deck `deckName` names now.
    JournalSpreadPane(const DataRoots &roots, CardFaceCache &faces,
                      std::function<QString()> deckName, QWidget *parent = nullptr);

    // Shows `entry`; an entry without cards (damaged) leaves the pane empty.
    void showEntry(const JournalEntry &entry);
    void clear();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    DataRoots m_roots;
    CardFaceCache &m_faces;
    std::function<QString()> m_deckName;
    JournalEntry m_entry;
    Spread m_spread;
};
