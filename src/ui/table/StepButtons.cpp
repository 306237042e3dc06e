#include "ui/table/StepButtons.h"

#include "core/lang/UiText.h"
#include "core/lang/UiTextTable.h"
#include "core/table/TableGeometry.h"

#include <QPushButton>

StepButtons::StepButtons(QWidget *table, ReadingSession &session)
    : QObject(table)
    , m_shuffleButton(new QPushButton(QStringLiteral("Shuffle"), table))
    , m_stopButton(new QPushButton(QStringLiteral("Stop"), table))
    , m_cutButton(new QPushButton(QStringLiteral("Cut deck"), table))
{
    m_shuffleButton->setObjectName(QStringLiteral("shuffleButton"));
    m_stopButton->setObjectName(QStringLiteral("stopButton"));
    m_cutButton->setObjectName(QStringLiteral("cutButton"));
    for (QPushButton *button : {m_shuffleButton, m_stopButton, m_cutButton})
        button->resize(TableGeometry::ButtonSize);
    connect(m_shuffleButton, &QPushButton::clicked, &session, &ReadingSession::startShuffle);
    connect(m_stopButton, &QPushButton::clicked, &session, &ReadingSession::stopShuffle);
    connect(m_cutButton, &QPushButton::clicked, this, &StepButtons::cutClicked);
}

void StepButtons::setGeometry(const TableGeometry &geometry)
{
    m_shuffleButton->move(geometry.shuffleButtonPos());
    m_stopButton->move(geometry.stopButtonPos());
    m_cutButton->move(geometry.cutButtonPos());
}

void StepButtons::showPhase(ReadingSession::Phase phase)
{
    using Phase = ReadingSession::Phase;
    const bool shuffleTime = phase == Phase::ReadyToShuffle || phase == Phase::Shuffling;
    m_shuffleButton->setVisible(shuffleTime);
    m_stopButton->setVisible(shuffleTime);
    m_stopButton->setEnabled(phase == Phase::Shuffling);
    m_cutButton->setVisible(phase == Phase::ReadyToCut);
}

void StepButtons::hideCut()
{
    m_cutButton->hide();
}

void StepButtons::retranslate(const UiTextTable &texts)
{
    m_shuffleButton->setText(texts.string(UiText::Shuffle));
    m_stopButton->setText(texts.string(UiText::Stop));
    m_cutButton->setText(texts.string(UiText::CutDeckButton));
}
