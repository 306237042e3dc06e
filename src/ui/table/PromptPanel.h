#pragma once

#include <QObject>

class Preferences;
class ProgramData;
class QByteArray;
class QFrame;
class QLabel;
class QWidget;
class ReadingSession;
class TableGeometry;

// The table's text beside the cards: the rules that frame the spread area,
// the spread's name, the prompt that names the next step and the notice of
// an option in force. It follows the reading, and its colours follow the
// table's background.
class PromptPanel : public QObject
{
    Q_OBJECT

public:
    // The parts are drawn on `table`; the data, preferences and session must
    // outlive the panel.
    PromptPanel(QWidget *table, const ProgramData &data, const Preferences &preferences,
                const ReadingSession &session);

    void setGeometry(const TableGeometry &geometry);
    // Says the prompt and the option notice in the language just loaded.
    void retranslate();
    QLabel &promptLabel() const { return *m_promptLabel; }

private:
    // While the deck is fanned the spread's name and rules show; before it,
    // the option notice.
    void showFanned();
    void showPrompt();
    void showOptionNotice();
    void applyColors();

    const ProgramData &m_data;
    const Preferences &m_preferences;
    const ReadingSession &m_session;
    QFrame *m_horizontalRule;
    QFrame *m_verticalRule;
    QLabel *m_spreadNameLabel;
    QLabel *m_promptLabel;
    QLabel *m_optionNotice;
};
