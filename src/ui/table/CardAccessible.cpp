#include "ui/table/CardAccessible.h"

#include "ui/table/CardImage.h"

CardAccessible::CardAccessible(CardImage *image)
    : QAccessibleWidget(image, QAccessible::Button)
{}

QStringList CardAccessible::actionNames() const
{
    return QAccessibleWidget::actionNames() << pressAction();
}

void CardAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction())
        static_cast<CardImage *>(widget())->press();
    else
        QAccessibleWidget::doAction(actionName);
}

void CardAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&CardAccessible::create);
        return true;
    }();
    Q_UNUSED(installed)
}

QAccessibleInterface *CardAccessible::create(const QString &className, QObject *object)
{
    if (className == QLatin1String("CardImage") && object && object->isWidgetType())
        return new CardAccessible(static_cast<CardImage *>(object));
    return nullptr;
}
