#pragma once

#include <QObject>

class Preferences;
class ProgramData;
class QByteArray;
class QFrame;
class QLabel;
class QWidget;
class TableGeometry;

// The table's text beside the cards: the rules that frame the spread area,
// the spread's name, the prompt that names the next step and the notice of
// an option in force. Its colours follow the table's background.
class PromptPanel : public QObject
{
    Q_OBJECT

public:
    // The parts are drawn on `table`; the data and preferences must outlive
    // the panel.
    PromptPanel(QWidget *table, const ProgramData &data, const Preferences &preferences);

    void setGeometry(const TableGeometry &geometry);
    // While the deck is fanned the spread's name and rules show; before it,
    // the option notice.
    void showFanned(bool fanned, const QString &spreadName);
    void showPrompt(const QByteArray &prompt);
    // Says the option notice in the language just loaded.
    void showOptionNotice();

private:
    void applyColors();

    const ProgramData &m_data;
    const Preferences &m_preferences;
    QFrame *m_horizontalRule;
    QFrame *m_verticalRule;
    QLabel *m_spreadNameLabel;
    QLabel *m_promptLabel;
    QLabel *m_optionNotice;
};
