#pragma once

#include <QRect>
#include <QSize>

// Where the parts of the card detail window lie for the sizes the user set:
// the window, the picture box and the meaning text. The image settings
// dialog, a mock-up of that window, lays itself out by the same rules.
class DetailLayout
{
public:
    static constexpr QSize ButtonSize{75, 25};
    // The picture box's top left corner.
    static constexpr int PictureLeft = 24;
    static constexpr int ContentTop = 80;
    // The meaning text keeps this distance to the window's right edge.
    static constexpr int MeaningRightGap = 29;

    DetailLayout(const QSize &window, const QSize &picture, const QSize &meaning);

    QRect titleRect() const;
    QRect subtitleRect() const;
    QRect pictureRect() const;
    QRect meaningRect() const;
    // The two buttons at the bottom right: Close and Save in the detail
    // window, Save and Cancel in the image settings dialog.
    QRect leftButtonRect() const;
    QRect rightButtonRect() const;

private:
    QSize m_window;
    QSize m_picture;
    QSize m_meaning;
};
