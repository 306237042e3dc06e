#pragma once

#include "cards/GripZones.h"

#include <QFrame>

// A panel with a centred caption whose edges and corners the user can drag
// with the mouse to resize it. The owner places it; the panel only changes
// its own geometry while dragged and reports each change.
class TPanelCaption : public QFrame
{
    Q_OBJECT

public:
    explicit TPanelCaption(const QString &caption = {}, QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

    GripZones::Alignment alignment() const { return m_alignment; }
    void setAlignment(GripZones::Alignment alignment) { m_alignment = alignment; }

signals:
    // The user changed the panel's size by dragging.
    void resizedByUser();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

    // The smallest size a drag may give the panel.
    int m_minWidth = 0;
    int m_minHeight = 0;

private:
    GripZones::Zone zoneAt(const QPoint &pos) const;
    void showZoneCursor(GripZones::Zone zone);

    QString m_caption;
    GripZones::Alignment m_alignment = GripZones::Alignment::None;
    GripZones::Zone m_dragZone = GripZones::Zone::None;
    QPoint m_pressGlobal;
    QRect m_startGeometry;
};

// The resizable panel with its smallest size open to the owner.
class TFreePanel : public TPanelCaption
{
    Q_OBJECT
    Q_PROPERTY(int MinWidth READ MinWidth WRITE setMinWidth)
    Q_PROPERTY(int MinHeight READ MinHeight WRITE setMinHeight)

public:
    using TPanelCaption::TPanelCaption;

    int MinWidth() const { return m_minWidth; }
    void setMinWidth(int width) { m_minWidth = width; }
    int MinHeight() const { return m_minHeight; }
    void setMinHeight(int height) { m_minHeight = height; }
};
