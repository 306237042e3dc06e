#pragma once

#include "core/table/ReadingSession.h"

#include <QObject>

class QPushButton;
class QWidget;
class TableGeometry;
class UiTextTable;

// The buttons of the step at hand before the fan: shuffle, stop the
// shuffle and cut the deck. Shuffling goes straight to the session; a cut
// needs the table to show it first, so it is only announced.
class StepButtons : public QObject
{
    Q_OBJECT

public:
    // The buttons are drawn on `table`; the session must outlive them.
    StepButtons(QWidget *table, ReadingSession &session);

    void setGeometry(const TableGeometry &geometry);
    // Shows the buttons phase `phase` calls for.
    void showPhase(ReadingSession::Phase phase);
    // The cut has begun: its button goes.
    void hideCut();
    void retranslate(const UiTextTable &texts);

signals:
    void cutClicked();

private:
    QPushButton *m_shuffleButton;
    QPushButton *m_stopButton;
    QPushButton *m_cutButton;
};
