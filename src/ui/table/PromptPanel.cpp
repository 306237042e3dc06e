#include "ui/table/PromptPanel.h"

#include "core/app/Preferences.h"
#include "core/app/ProgramData.h"
#include "core/lang/UiText.h"
#include "core/table/ReadingSession.h"
#include "core/table/TableGeometry.h"

#include <QFrame>
#include <QLabel>

namespace {

// The prompt panel's designed text colour on the table, cream (0xf3ead2).
constexpr BgrColor PanelTextColor(0xD2EAF3);

void setTextColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

void setBackground(QWidget *widget, BgrColor color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color.toQColor());
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

PromptPanel::PromptPanel(QWidget *table, const ProgramData &data, const Preferences &preferences,
                         const ReadingSession &session)
    : QObject(table)
    , m_data(data)
    , m_preferences(preferences)
    , m_session(session)
    , m_horizontalRule(new QFrame(table))
    , m_verticalRule(new QFrame(table))
    , m_spreadNameLabel(new QLabel(table))
    , m_promptLabel(new QLabel(table))
    , m_optionNotice(new QLabel(table))
{
    m_horizontalRule->setObjectName(QStringLiteral("horizontalRule"));
    m_verticalRule->setObjectName(QStringLiteral("verticalRule"));
    m_spreadNameLabel->setObjectName(QStringLiteral("spreadNameLabel"));
    QFont nameFont = m_spreadNameLabel->font();
    nameFont.setBold(true);
    m_spreadNameLabel->setFont(nameFont);
    m_promptLabel->setObjectName(QStringLiteral("promptLabel"));
    for (QLabel *label : {m_spreadNameLabel, m_promptLabel}) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    m_optionNotice->setObjectName(QStringLiteral("optionNotice"));
    m_optionNotice->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    applyColors();
    connect(&m_preferences, &Preferences::changed, this, [this](Preferences::Setting setting) {
        if (setting == Preferences::Setting::BackColor)
            applyColors();
        else if (setting == Preferences::Setting::MajorOnly)
            showOptionNotice();
    });
    connect(&m_session, &ReadingSession::promptChanged, this, &PromptPanel::showPrompt);
    // A reading opened over a finished one keeps the phase but has a new name.
    connect(&m_session, &ReadingSession::spreadLaid, this, &PromptPanel::showFanned);
    connect(&m_session, &ReadingSession::phaseChanged, this, &PromptPanel::showFanned);
    showFanned();
    retranslate();
}

void PromptPanel::retranslate()
{
    showPrompt();
    showOptionNotice();
}

void PromptPanel::setGeometry(const TableGeometry &geometry)
{
    m_horizontalRule->setGeometry(geometry.horizontalRuleRect());
    m_verticalRule->setGeometry(geometry.verticalRuleRect());
    m_spreadNameLabel->setGeometry(geometry.spreadNameRect());
    m_promptLabel->setGeometry(geometry.promptRect());
    m_optionNotice->setGeometry(geometry.optionNoticeRect());
}

void PromptPanel::showFanned()
{
    const bool fanned = m_session.isFanned();
    for (QWidget *part :
         std::initializer_list<QWidget *>{m_horizontalRule, m_verticalRule, m_spreadNameLabel})
        part->setVisible(fanned);
    // The prompt names the next step in every phase, before the fan too.
    m_promptLabel->setVisible(true);
    m_optionNotice->setVisible(!fanned);
    if (fanned)
        m_spreadNameLabel->setText(m_session.spreadName());
}

void PromptPanel::showPrompt()
{
    const QByteArray prompt = m_session.prompt().text(m_data.uiTexts(), m_session.spread());
    m_promptLabel->setText(m_data.uiTexts().decodedLines(prompt));
}

void PromptPanel::showOptionNotice()
{
    m_optionNotice->setText(m_preferences.majorOnly() ? m_data.uiText(UiText::MajorArcanaOnlyNotice)
                                                      : QString());
}

void PromptPanel::applyColors()
{
    const BgrColor back = m_preferences.backColor();
    for (QWidget *rule : {m_horizontalRule, m_verticalRule})
        setBackground(rule, back);
    // Text keeps its designed colour only where it stands out from the table.
    setTextColor(m_optionNotice, TableColor::noticeColorFor(back, TableColor::Navy).toQColor());
    for (QLabel *label : {m_spreadNameLabel, m_promptLabel})
        setTextColor(label, TableColor::legibleOn(back, PanelTextColor).toQColor());
}
