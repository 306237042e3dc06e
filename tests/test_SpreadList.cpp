// Checks the order in which spreads are offered: the three everyday spreads
// first, the rest sorted without regard to letter case.
#include "core/spreads/SpreadList.h"

#include <QtTest>

class TestSpreadList : public QObject
{
    Q_OBJECT

private slots:
    void everydaySpreadsComeFirst();
    void frontGroupsNeedExactNames();
    void emptyNamesAreDropped();
};

void TestSpreadList::everydaySpreadsComeFirst()
{
    QStringList names{QStringLiteral("Relationship"), QStringLiteral("Alpha"),
                      QStringLiteral("Вопрос"), QStringLiteral("beta"),
                      QStringLiteral("Seven Cards Ellipse")};
    SpreadList::arrange(names);
    QCOMPARE(names, (QStringList{QStringLiteral("Seven Cards Ellipse"),
                                 QStringLiteral("Relationship"), QStringLiteral("Вопрос"),
                                 QStringLiteral("Alpha"), QStringLiteral("beta")}));
}

void TestSpreadList::frontGroupsNeedExactNames()
{
    QStringList names{QStringLiteral("question"),     QStringLiteral("Question"),
                      QStringLiteral("Отношения"),    QStringLiteral("Celtic Cross"),
                      QStringLiteral("Relationship"), QStringLiteral("apple")};
    SpreadList::arrange(names);
    QCOMPARE(names, (QStringList{QStringLiteral("Отношения"), QStringLiteral("Relationship"),
                                 QStringLiteral("Question"), QStringLiteral("apple"),
                                 QStringLiteral("Celtic Cross"), QStringLiteral("question")}));
}

void TestSpreadList::emptyNamesAreDropped()
{
    QStringList names{QString(), QStringLiteral("Zeta"), QString(), QStringLiteral("eta")};
    SpreadList::arrange(names);
    QCOMPARE(names, (QStringList{QStringLiteral("eta"), QStringLiteral("Zeta")}));
}

QTEST_GUILESS_MAIN(TestSpreadList)
#include "test_SpreadList.moc"
