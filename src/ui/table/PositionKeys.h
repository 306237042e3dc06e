#pragma once

#include <QObject>

class SpreadView;

// The arrow keys in the spread: they move the keyboard's focus from a
// position to the nearest one in the direction pressed, by where the
// positions lie, and scroll it into view.
class PositionKeys : public QObject
{
    Q_OBJECT

public:
    explicit PositionKeys(SpreadView &view);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    SpreadView &m_view;
};
