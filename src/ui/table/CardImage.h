#pragma once

#include <QLabel>

// A card picture on the table that reacts to a click: a spread position or
// the extra card. Its tag is the position index or the card number.
class CardImage : public QLabel
{
    Q_OBJECT

public:
    explicit CardImage(int tag, QWidget *parent = nullptr);

    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

signals:
    void clicked(int tag);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    int m_tag;
};
