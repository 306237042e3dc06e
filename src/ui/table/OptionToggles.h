#pragma once

#include <QObject>

class Interaction;
class Preferences;
class ProgramData;
class QWidget;
class ReadingSession;
class TableMenu;

// The table's option commands: each flips or sets one preference. The
// menu's check marks follow the preferences, whoever changed them.
class OptionToggles : public QObject
{
    Q_OBJECT

public:
    // `window` parents the messages and dialogs; every argument must
    // outlive the toggles.
    OptionToggles(QWidget *window, TableMenu &menu, Preferences &preferences,
                  const ProgramData &data, Interaction &interaction, const ReadingSession &session);

    void toggleMajorArcanaOnly();
    void toggleReversedPositions();
    // Says, while a reading has not reached its drawing, that it keeps its mode.
    void toggleAutomaticDraw();
    void toggleCutDeck();
    void toggleThreePiles();
    void toggleSpreadTips();
    void chooseBackgroundColor();
    void useDefaultBackground();

private:
    void showChecks();

    QWidget *m_window;
    TableMenu &m_menu;
    Preferences &m_preferences;
    const ProgramData &m_data;
    Interaction &m_interaction;
    const ReadingSession &m_session;
};
