#pragma once

#include <QImage>
#include <QWidget>

// The table's drawing surface. Painting goes into a persistent image that the
// widget shows, so what is drawn stays until the table is painted afresh.
class TableCanvas : public QWidget
{
    Q_OBJECT

public:
    explicit TableCanvas(QWidget *parent = nullptr);

    QImage &image() { return m_image; }

signals:
    void resized();
    void mousePressed(QMouseEvent *event);
    void wheelTurned(QWheelEvent *event);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    QImage m_image;
};
