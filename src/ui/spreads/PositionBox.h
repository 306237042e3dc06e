#pragma once

#include <QColor>
#include <QWidget>

// One position of a spread in the spread editor: a card-sized box with the
// position's label, outlined in red while it is the active one and with a
// focus ring while the keyboard acts on it. The editor gives a box whose card
// the table lays across another a turned shape. It reports presses and drags;
// the editor decides what they do.
class PositionBox : public QWidget
{
    Q_OBJECT

public:
    PositionBox(int index, const QColor &background, QWidget *parent = nullptr);

    int index() const { return m_index; }
    void setIndex(int index) { m_index = index; }
    void setLabel(const QString &label);
    QString label() const { return m_label; }
    void setActive(bool active);
    bool isActive() const { return m_active; }
    void setFocusRing(bool shown);
    bool hasFocusRing() const { return m_focusRing; }

signals:
    // Any button went down on the box.
    void pressed(int index, Qt::MouseButton button);
    // The box has been dragged `moved` pixels from where it was taken and is still held.
    void dragged(int index, const QPoint &moved);
    // The left button let go of the box, `moved` pixels from where it was taken.
    void dropped(int index, const QPoint &moved);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int m_index;
    QColor m_background;
    QString m_label;
    bool m_active = false;
    bool m_focusRing = false;
    bool m_dragging = false;
    // Where in the box the left button took hold, and where the box stood then.
    QPoint m_grab;
    QPoint m_dragStart;
};
