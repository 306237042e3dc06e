#pragma once

#include <QLabel>

// A card picture on the table that reacts to a click, or to Enter or Space
// while it has the keyboard's focus, which a ring round it shows: a spread
// position or the extra card. Its tag is the position index or the card number.
class CardImage : public QLabel
{
    Q_OBJECT

public:
    explicit CardImage(int tag, QWidget *parent = nullptr);

    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }
    // Does what a click does.
    void press() { emit clicked(m_tag); }

signals:
    void clicked(int tag);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int m_tag;
};
