#pragma once

#include "core/cards/GripZones.h"

#include <QFrame>

// A panel with a centred caption whose edges and corners the user can drag
// with the mouse to resize it, or move with the arrow keys while it has the
// focus (with Shift, ten pixels at a time). The owner places it; the panel
// only changes its own geometry while resized and reports each change.
class ResizablePanel : public QFrame
{
    Q_OBJECT

public:
    explicit ResizablePanel(const QString &caption = {}, QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

    GripZones::Alignment alignment() const { return m_alignment; }
    void setAlignment(GripZones::Alignment alignment) { m_alignment = alignment; }

    // The smallest size a drag may give the panel.
    QSize minimumDragSize() const { return m_minimumDragSize; }
    void setMinimumDragSize(const QSize &size) { m_minimumDragSize = size; }

signals:
    // The user changed the panel's size by dragging.
    void resizedByUser();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    GripZones::Zone zoneAt(const QPoint &pos) const;
    void showZoneCursor(GripZones::Zone zone);
    // Resizes as a drag of `zone` by `delta` from the present geometry would.
    bool resizeBy(GripZones::Zone zone, const QPoint &delta);

    QString m_caption;
    GripZones::Alignment m_alignment = GripZones::Alignment::None;
    GripZones::Zone m_dragZone = GripZones::Zone::None;
    QPoint m_pressGlobal;
    QRect m_startGeometry;
    QSize m_minimumDragSize{0, 0};
};
