#include "core/cards/DetailLayout.h"

namespace {
constexpr int LabelTop = 12;
constexpr int LabelHeight = 60;
// The subtitle takes this much of the window's right side.
constexpr int SubtitleBand = 254;
constexpr int LabelGap = 12;
constexpr int ButtonsFromBottom = 70;
} // namespace

DetailLayout::DetailLayout(const QSize &window, const QSize &picture, const QSize &meaning)
    : m_window(window)
    , m_picture(picture)
    , m_meaning(meaning)
{}

QRect DetailLayout::titleRect() const
{
    const int subtitleLeft = m_window.width() - SubtitleBand;
    return QRect(PictureLeft, LabelTop, subtitleLeft - PictureLeft - LabelGap, LabelHeight);
}

QRect DetailLayout::subtitleRect() const
{
    return QRect(m_window.width() - SubtitleBand, LabelTop, SubtitleBand - MeaningRightGap,
                 LabelHeight);
}

QRect DetailLayout::pictureRect() const
{
    return QRect(QPoint(PictureLeft, ContentTop), m_picture);
}

QRect DetailLayout::meaningRect() const
{
    return QRect(QPoint(m_window.width() - m_meaning.width() - MeaningRightGap, ContentTop),
                 m_meaning);
}

QRect DetailLayout::leftButtonRect() const
{
    return QRect(QPoint(m_window.width() - 222, m_window.height() - ButtonsFromBottom), ButtonSize);
}

QRect DetailLayout::rightButtonRect() const
{
    return QRect(QPoint(m_window.width() - 126, m_window.height() - ButtonsFromBottom), ButtonSize);
}
