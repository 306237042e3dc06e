#pragma once

#include <QAccessibleWidget>

class CardImage;

// What assistive technology sees of a card picture on the table: a button
// named by the table, whose press does what a click does (turn the card, or
// open it once it lies face up).
class CardAccessible : public QAccessibleWidget
{
public:
    explicit CardAccessible(CardImage *image);

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

    // Makes every card picture speak through this; installed once.
    static void install();

private:
    static QAccessibleInterface *create(const QString &className, QObject *object);
};
