// Runs readings through the real table offscreen: choosing a spread, the
// position pictures, shuffling, cutting, drawing from the fan, turning cards
// face up, extra cards, and the table's view commands.
#include "TableFixture.h"
#include "core/engine/DeckCut.h"
#include "core/util/RandomGenerator.h"
#include "ui/cards/CardDetailWindow.h"
#include "ui/spreads/SpreadChooser.h"
#include "ui/table/CardImage.h"
#include "ui/table/TableCanvas.h"
#include "ui/table/TableWindow.h"

#include <QAction>
#include <QColorDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

class TestTableReading : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void chooserLaysTheSpread();
    void chooserWithoutSpreads();
    void chooserPreselectsCurrentSpread();
    void wholeReadingByClicks();
    void threePileCutReordersTheDeck();
    void automaticDrawFillsEverything();
    void extraCardsOnlyAfterAFaceIsUp();
    void spreadViewToggleAndWheel();
    void backgroundColourCommands();
    void closingDuringShuffleOrDraw();

private:
    // Starts the table with the bundled spreads and decks and lays `spread`.
    std::unique_ptr<TableWindow> startWithSpread(const QString &spread);
    void chooseSpread(TableWindow &table, const QString &spread);
    void shuffleAndFan(TableWindow &table);
    void clickFanSlot(TableWindow &table, int slot);
    int freeSlot(const TableWindow &table) const;

    TableFixture m_fixture;
};

void TestTableReading::init()
{
    QVERIFY(m_fixture.setUp());
    m_fixture.copySpreads();
    m_fixture.linkDecks();
}

void TestTableReading::cleanup()
{
    QVERIFY2(m_fixture.interaction.problems().isEmpty(),
             qPrintable(m_fixture.interaction.problems().join(QLatin1Char('\n'))));
}

void TestTableReading::chooseSpread(TableWindow &table, const QString &spread)
{
    m_fixture.interaction.expectDialog<SpreadChooser>([spread](SpreadChooser &chooser) {
        const auto items = chooser.spreadList->findItems(spread, Qt::MatchExactly);
        if (items.isEmpty())
            return int(QDialog::Rejected);
        chooser.spreadList->setCurrentItem(items.first());
        QTest::mouseClick(chooser.okButton, Qt::LeftButton);
        return chooser.result();
    });
    table.SelectlayoutF12->trigger();
}

std::unique_ptr<TableWindow> TestTableReading::startWithSpread(const QString &spread)
{
    {
        QSettings settings = m_fixture.storedSettings();
        settings.setValue(QStringLiteral("cutdeck"), QStringLiteral("no"));
    }
    auto table = m_fixture.startTable();
    if (table)
        chooseSpread(*table, spread);
    return table;
}

void TestTableReading::shuffleAndFan(TableWindow &table)
{
    QTest::mouseClick(table.SpeedButton1, Qt::LeftButton);
    QVERIFY(table.Shuffling);
    QTest::qWait(30); // a few frames
    QTest::mouseClick(table.SpeedButton2, Qt::LeftButton);
    QVERIFY(!table.Shuffling);
}

void TestTableReading::clickFanSlot(TableWindow &table, int slot)
{
    // Just right of the card's left edge only this card and the one below it
    // lie, and this one is painted on top.
    const Card &card = table.Cards[slot];
    QTest::mouseClick(table.Canvas, Qt::LeftButton, {}, QPoint(card.X + 5, card.Y + 50));
}

int TestTableReading::freeSlot(const TableWindow &table) const
{
    for (int slot = table.DeckSize - 1; slot >= 0; --slot) {
        if (table.Cards[slot].isPainted())
            return slot;
    }
    return -1;
}

void TestTableReading::chooserLaysTheSpread()
{
    auto table = startWithSpread(QStringLiteral("Celtic Cross"));
    QVERIFY(table);
    QCOMPARE(table->SpreadName, QStringLiteral("Celtic Cross"));
    QCOMPARE(table->spread.PositionCount, 10);
    int right = 0;
    int bottom = 0;
    for (int i = 0; i < 10; ++i) {
        const auto *image = table->findChild<CardImage *>(QStringLiteral("PositionImage%1").arg(i));
        QVERIFY(image);
        QCOMPARE(image->geometry(), QRect(table->spread.PosX[i], table->spread.PosY[i], 87, 148));
        QCOMPARE(image->toolTip(), QStringLiteral("%1. ").arg(i + 1) +
                                       QString::fromLocal8Bit(table->spread.Explanation[i]));
        right = std::max(right, table->spread.PosX[i]);
        bottom = std::max(bottom, table->spread.PosY[i]);
    }
    QVERIFY(!table->findChild<CardImage *>(QStringLiteral("PositionImage10")));
    QCOMPARE(table->ExtentMarker->pos(), QPoint(right + 87, bottom + 148));
    QVERIFY(!table->SpeedButton1->isHidden());
    QVERIFY(!table->SpeedButton2->isHidden());
    QVERIFY(!table->SpeedButton2->isEnabled());
    QVERIFY(table->SpeedButton3->isHidden());
    // The spread area waits hidden until the deck is fanned.
    QVERIFY(table->ScrollBox1->isHidden());
    QCOMPARE(table->DrawnCount, 0);

    // Choosing again lays a fresh spread.
    chooseSpread(*table, QStringLiteral("Three Cards"));
    QCOMPARE(table->spread.PositionCount, 3);
    QVERIFY(!table->findChild<CardImage *>(QStringLiteral("PositionImage3")));
}

void TestTableReading::chooserWithoutSpreads()
{
    QVERIFY(QDir(m_fixture.appDir() + QStringLiteral("/Spreads")).removeRecursively());
    auto table = m_fixture.startTable();
    QVERIFY(table);
    QVERIFY(table->SpreadNames.isEmpty());
    bool ok = false;
    m_fixture.interaction.expectDialog<SpreadChooser>([&](SpreadChooser &chooser) {
        ok = chooser.spreadList->isHidden() && chooser.cancelButton->isHidden() &&
             !chooser.noSpreadsLabel->isHidden() && chooser.okButton->isEnabled() &&
             chooser.okButton->x() == (chooser.width() - chooser.okButton->width()) / 2 - 6 &&
             chooser.noSpreadsLabel->text().startsWith(QStringLiteral("Layouts were not found."));
        QTest::mouseClick(chooser.okButton, Qt::LeftButton);
        return chooser.result();
    });
    // A click on the empty table opens the chooser too.
    QTest::mouseClick(table->Canvas, Qt::LeftButton, {}, QPoint(20, 300));
    QVERIFY(ok);
    QVERIFY(table->SpreadName.isEmpty());
    QCOMPARE(table->spread.PositionCount, 0);
    QVERIFY(table->SpeedButton1->isVisible());
}

void TestTableReading::chooserPreselectsCurrentSpread()
{
    auto table = m_fixture.startTable();
    QVERIFY(table);
    QStringList order;
    bool okAtOnce = true;
    m_fixture.interaction.expectDialog<SpreadChooser>([&](SpreadChooser &chooser) {
        for (int row = 0; row < chooser.spreadList->count(); ++row)
            order << chooser.spreadList->item(row)->text();
        okAtOnce = chooser.okButton->isEnabled();
        return int(QDialog::Rejected);
    });
    table->SelectlayoutF11->trigger();
    QVERIFY(!okAtOnce);
    QCOMPARE(order.mid(0, 4),
             (QStringList{QStringLiteral("Seven Cards Ellipse"), QStringLiteral("Relationship"),
                          QStringLiteral("Question"), QStringLiteral("Celtic Cross")}));

    chooseSpread(*table, QStringLiteral("Horseshoe"));
    QString selected;
    m_fixture.interaction.expectDialog<SpreadChooser>([&](SpreadChooser &chooser) {
        selected = chooser.spreadList->currentItem()->text();
        okAtOnce = chooser.okButton->isEnabled();
        QTest::keyClick(chooser.spreadList, Qt::Key_Escape);
        return chooser.result();
    });
    table->SelectlayoutF12->trigger();
    QCOMPARE(selected, QStringLiteral("Horseshoe"));
    QVERIFY(okAtOnce);
    QCOMPARE(table->spread.PositionCount, 7); // Cancel changed nothing
}

void TestTableReading::wholeReadingByClicks()
{
    auto table = startWithSpread(QStringLiteral("Three Cards"));
    QVERIFY(table);
    shuffleAndFan(*table);
    QVERIFY(table->DeckFanned);
    QVERIFY(table->TableReady);
    QVERIFY(table->ScrollBox1->isVisible());
    QVERIFY(table->SpeedButton3->isHidden());
    QCOMPARE(table->Label1->text(), QStringLiteral("Three Cards"));
    QCOMPARE(table->Label2->text(), QStringLiteral("First card:\n") +
                                        QString::fromLocal8Bit(table->spread.Explanation[0]));

    // Where two cards overlap, the one painted on top is drawn.
    const int top = freeSlot(*table);
    const quint32 topNumber = table->Cards[top].Number;
    const QPoint overlap(table->Cards[top].X + 2, table->Cards[top].Y + 60);
    QVERIFY(table->Cards[top - 1].HitTest(overlap.x(), overlap.y()));
    QTest::mouseClick(table->Canvas, Qt::LeftButton, {}, overlap);
    QCOMPARE(table->spread.CardAt[0], int(topNumber));
    QCOMPARE(table->Cards[top].X, Card::OffTable);
    QCOMPARE(table->Label2->text(), QStringLiteral("Second card:\n") +
                                        QString::fromLocal8Bit(table->spread.Explanation[1]));

    clickFanSlot(*table, 10);
    clickFanSlot(*table, 40);
    QCOMPARE(table->DrawnCount, 3);
    QCOMPARE(table->Label2->text(), table->uiText(65));
    QCOMPARE(QString::fromLocal8Bit(table->PromptText), table->uiText(65));
    QSet<int> drawn{table->spread.CardAt[0], table->spread.CardAt[1], table->spread.CardAt[2]};
    QCOMPARE(drawn.size(), 3);

    // The first click on a position turns its card face up, showing its picture.
    CardImage *first = table->PositionImages[0];
    const QImage back = first->pixmap().toImage();
    QTest::mouseClick(first, Qt::LeftButton);
    QVERIFY(table->spread.Revealed[0]);
    QVERIFY(first->pixmap().toImage() != back);
    QVERIFY(table->ExtraDrawAllowed);

    // The second click opens the card's detail window.
    QString title;
    QString subtitle;
    m_fixture.interaction.expectDialog<CardDetailWindow>([&](CardDetailWindow &detail) {
        title = detail.titleLabel->text();
        subtitle = detail.subtitleLabel->text();
        QTest::mouseClick(detail.closeButton, Qt::LeftButton);
        return detail.result();
    });
    QTest::mouseClick(first, Qt::LeftButton);
    const QString expectedTitle =
        QString::fromLocal8Bit(table->CardTitles[table->spread.CardAt[0]]);
    QVERIFY2(title.startsWith(expectedTitle), qPrintable(title));
    QCOMPARE(subtitle, QString::fromLocal8Bit(table->spread.Explanation[0]));
}

void TestTableReading::threePileCutReordersTheDeck()
{
    {
        QSettings settings = m_fixture.storedSettings();
        settings.setValue(QStringLiteral("cut3piles"), QStringLiteral("yes"));
    }
    auto table = m_fixture.startTable();
    QVERIFY(table);
    chooseSpread(*table, QStringLiteral("Single Card"));
    QTest::mouseClick(table->SpeedButton1, Qt::LeftButton);
    QTest::qWait(20);
    QTest::mouseClick(table->SpeedButton2, Qt::LeftButton);
    QVERIFY(!table->SpeedButton3->isHidden());
    QVERIFY(!table->DeckFanned);

    // A click beside the deck is no cut.
    QTest::mouseClick(table->Canvas, Qt::LeftButton, {}, QPoint(5, 300));
    QVERIFY(!table->DeckFanned);

    Deck::Slots expected = table->Cards;
    const QPoint centre(table->width() / 2, table->height() / 2);
    DeckCut::threePiles(expected, table->DeckSize,
                        DeckCut::cutPoint(centre.x(), table->width(), table->DeckSize));
    QTest::mouseClick(table->SpeedButton3, Qt::LeftButton);
    QVERIFY(table->DeckFanned);
    for (int slot = 0; slot < table->DeckSize; ++slot)
        QCOMPARE(table->Cards[slot].Number, expected[slot].Number);
}

void TestTableReading::automaticDrawFillsEverything()
{
    {
        QSettings settings = m_fixture.storedSettings();
        settings.setValue(QStringLiteral("drawauto"), QStringLiteral("yes"));
        settings.setValue(QStringLiteral("MajorOnly"), QStringLiteral("YES"));
    }
    auto table = startWithSpread(QStringLiteral("Year Ahead"));
    QVERIFY(table);
    QVERIFY(table->AutoDrawPending);
    shuffleAndFan(*table);
    QCOMPARE(table->DeckSize, 22);
    QCOMPARE(table->DrawnCount, 13);
    QVERIFY(!table->AutoDrawPending);
    QSet<int> cards;
    for (int i = 0; i < 13; ++i) {
        QVERIFY(table->spread.Filled[i]);
        QVERIFY(table->spread.CardAt[i] >= 0 && table->spread.CardAt[i] < 22);
        cards.insert(table->spread.CardAt[i]);
    }
    QCOMPARE(cards.size(), 13);
}

void TestTableReading::extraCardsOnlyAfterAFaceIsUp()
{
    auto table = startWithSpread(QStringLiteral("Single Card"));
    QVERIFY(table);
    shuffleAndFan(*table);
    clickFanSlot(*table, freeSlot(*table));
    QCOMPARE(table->DrawnCount, 1);

    const int next = freeSlot(*table);
    clickFanSlot(*table, next);
    QVERIFY(table->Cards[next].isPainted()); // the full spread takes no more
    QVERIFY(table->ExtraCardImage->isHidden());

    QTest::mouseClick(table->PositionImages[0], Qt::LeftButton);
    clickFanSlot(*table, next);
    QVERIFY(!table->Cards[next].isPainted());
    QVERIFY(!table->ExtraCardImage->isHidden());
    QCOMPARE(table->ExtraCardNumber, int(table->Cards[next].Number));
    QCOMPARE(table->DrawnCount, 1);
}

void TestTableReading::spreadViewToggleAndWheel()
{
    // A spread reaching far below the view, so the spread area scrolls.
    Spread tall;
    tall.PositionCount = 2;
    tall.PosX[0] = 10;
    tall.PosY[0] = 10;
    tall.PosX[1] = 600;
    tall.PosY[1] = 900;
    RandomGenerator random;
    QVERIFY(tall.SaveSpread(Spread::filePath(m_fixture.appDir(), QStringLiteral("Tall")), random));
    auto table = startWithSpread(QStringLiteral("Tall"));
    QVERIFY(table);
    QCOMPARE(table->ExtentMarker->pos(), QPoint(687, 1048));
    const QRect normal = table->ScrollBox1->geometry();
    table->RemoveDeck1->trigger(); // nothing before the deck is fanned
    QCOMPARE(table->ScrollBox1->geometry(), normal);
    QVERIFY(!table->SpreadViewEnlarged);

    shuffleAndFan(*table);
    table->RemoveDeck1->trigger();
    QVERIFY(table->SpreadViewEnlarged);
    QCOMPARE(table->ScrollBox1->geometry(), table->Canvas->rect());
    table->RemoveDeck1->trigger();
    QCOMPARE(table->ScrollBox1->geometry(), normal);

    QScrollBar *bar = table->ScrollBox1->verticalScrollBar();
    QVERIFY(bar->maximum() >= 80);
    QWheelEvent down(QPointF(5, 5), QPointF(5, 5), {}, QPoint(0, -120), Qt::NoButton, {},
                     Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(table->ScrollBox1->viewport(), &down);
    QCOMPARE(bar->value(), 40);
    QWheelEvent up(QPointF(5, 5), QPointF(5, 5), {}, QPoint(0, 120), Qt::NoButton, {},
                   Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(table->Canvas, &up);
    QCOMPARE(bar->value(), 0);
}

void TestTableReading::backgroundColourCommands()
{
    auto table = startWithSpread(QStringLiteral("Three Cards"));
    QVERIFY(table);
    m_fixture.interaction.expectDialog<QColorDialog>([](QColorDialog &colours) {
        colours.setCurrentColor(QColor(50, 100, 200));
        colours.accept();
        return colours.result();
    });
    table->Backgroundcolor1->trigger();
    QCOMPARE(table->BackColor, TColor(0xC86432));
    QCOMPARE(table->Label4->palette().color(QPalette::WindowText), QColor(0x77, 0x77, 0x77));
    QCOMPARE(table->PositionImages[1]->pixmap().toImage().pixelColor(40, 100),
             QColor(50, 100, 200));

    table->Defaultbackground1->trigger();
    QCOMPARE(table->BackColor, TColor(1135889));
    QCOMPARE(table->Label4->palette().color(QPalette::WindowText), QColor(0, 0, 0x80));
    QCOMPARE(table->Canvas->grab().toImage().pixelColor(3, 3), QColor(0x11, 0x55, 0x11));
}

void TestTableReading::closingDuringShuffleOrDraw()
{
    auto table = startWithSpread(QStringLiteral("Three Cards"));
    QVERIFY(table);
    QTest::mouseClick(table->SpeedButton1, Qt::LeftButton);
    QTest::qWait(20);
    table->close();
    QVERIFY(!table->Shuffling);
    QTest::qWait(20); // the next frame sees the flag and stops
    QVERIFY(!table->isVisible());
    QCOMPARE(m_fixture.storedSettings().value(QStringLiteral("cutdeck")).toString(),
             QStringLiteral("no"));

    // Closed while the automatic draw waits between cards: the draw stops.
    {
        QSettings settings = m_fixture.storedSettings();
        settings.setValue(QStringLiteral("drawauto"), QStringLiteral("yes"));
    }
    auto drawing = startWithSpread(QStringLiteral("Year Ahead"));
    QVERIFY(drawing);
    QTest::mouseClick(drawing->SpeedButton1, Qt::LeftButton);
    QTest::qWait(20);
    // Fires in the draw's first pause, once Stop has laid the fan.
    QTimer::singleShot(0, drawing.get(), [&drawing] { drawing->close(); });
    QTest::mouseClick(drawing->SpeedButton2, Qt::LeftButton);
    QVERIFY(!drawing->isVisible());
    QVERIFY(drawing->DrawnCount < 13);
}

QTEST_MAIN(TestTableReading)
#include "test_TableReading.moc"
