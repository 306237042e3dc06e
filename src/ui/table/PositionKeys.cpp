#include "ui/table/PositionKeys.h"

#include "core/table/PositionNavigation.h"
#include "ui/table/CardImage.h"
#include "ui/table/SpreadView.h"

#include <QKeyEvent>

PositionKeys::PositionKeys(SpreadView &view)
    : QObject(&view)
    , m_view(view)
{
    // A key the focused picture leaves alone reaches the surface below it
    // before the scroll area, which would scroll by it.
    view.widget()->installEventFilter(this);
    // The area itself takes no focus: Tab goes from picture to picture.
    view.setFocusPolicy(Qt::NoFocus);
}

bool PositionKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    using Direction = PositionNavigation::Direction;
    Direction direction;
    switch (static_cast<QKeyEvent *>(event)->key()) {
    case Qt::Key_Left:
        direction = Direction::Left;
        break;
    case Qt::Key_Right:
        direction = Direction::Right;
        break;
    case Qt::Key_Up:
        direction = Direction::Up;
        break;
    case Qt::Key_Down:
        direction = Direction::Down;
        break;
    default:
        return QObject::eventFilter(watched, event);
    }
    QList<QRect> places;
    int from = -1;
    for (int i = 0; CardImage *image = m_view.positionImage(i); ++i) {
        places << image->geometry();
        if (image->hasFocus())
            from = i;
    }
    const int to = PositionNavigation::neighbour(places, from, direction);
    if (CardImage *image = m_view.positionImage(to)) {
        image->setFocus(Qt::OtherFocusReason);
        m_view.ensureWidgetVisible(image);
    }
    // Consumed even at the spread's edge, so the area does not scroll away.
    return true;
}
