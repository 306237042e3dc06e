// Checks the spread area of the real table: the position pictures laid for the chosen spread,
// turned face up and opened by clicks, the extra card beside them, enlarging and scrolling the
// area, and its colours.
#include "TableFixture.h"
#include "TableSteps.h"
#include "core/app/TableColor.h"
#include "core/cards/CardPicture.h"
#include "core/cards/FaceStore.h"
#include "core/lang/UiText.h"
#include "core/table/SpreadLayout.h"
#include "core/table/TableGeometry.h"
#include "core/util/RandomGenerator.h"
#include "ui/cards/CardDetailWindow.h"
#include "ui/table/SpreadView.h"

#include <QColorDialog>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolTip>

using namespace TableSteps;

class TestSpreadView : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void chosenSpreadLaysItsPositions();
    void chooserOffersTheCurrentSpread();
    void unreadableSpreadIsReported();
    void positionClicksTurnAndOpenTheCard();
    void extraCardShowsOnceACardIsTurned();
    void enlargingAndScrolling();
    void backgroundColourCommands();

private:
    // Starts the table without cutting and lays `spread`.
    std::unique_ptr<TableWindow> startWithSpread(const QString &spread);
    // Answers the next detail window, recording its title and subtitle.
    void expectDetail(QString &title, QString &subtitle, QImage *picture = nullptr);

    TableFixture m_fixture;
};

void TestSpreadView::init()
{
    QVERIFY(m_fixture.setUp());
    QVERIFY(m_fixture.copySpreads());
    QVERIFY(m_fixture.linkDecks());
}

void TestSpreadView::cleanup()
{
    QVERIFY2(m_fixture.interaction.problems().isEmpty(),
             qPrintable(m_fixture.interaction.problems().join(QLatin1Char('\n'))));
}

std::unique_ptr<TableWindow> TestSpreadView::startWithSpread(const QString &spread)
{
    m_fixture.storedSettings().setValue(QStringLiteral("cutdeck"), QStringLiteral("no"));
    auto table = m_fixture.startTable();
    if (table)
        startReading(*table, m_fixture.interaction, spread);
    return table;
}

void TestSpreadView::expectDetail(QString &title, QString &subtitle, QImage *picture)
{
    m_fixture.interaction.expectDialog<CardDetailWindow>([&, picture](CardDetailWindow &detail) {
        title = detail.titleLabel->text();
        subtitle = detail.subtitleLabel->text();
        if (picture)
            *picture = detail.pictureLabel->pixmap().toImage();
        QTest::mouseClick(detail.closeButton, Qt::LeftButton);
        return detail.result();
    });
}

void TestSpreadView::chosenSpreadLaysItsPositions()
{
    auto table = startWithSpread(QStringLiteral("Celtic Cross"));
    QVERIFY(table);
    const Spread &spread = table->session().spread();
    QCOMPARE(table->session().spreadName(), QStringLiteral("Celtic Cross"));
    QCOMPARE(spread.positionCount(), 10);
    auto *surface = part<QWidget>(*table, QStringLiteral("spreadSurface"));
    auto *area = part<SpreadView>(*table, QStringLiteral("spreadView"));
    QVERIFY(surface && area);
    const SpreadLayout layout(spread, area->contentsRect().size());
    QRect laid;
    for (int i = 0; i < 10; ++i) {
        CardImage *image = positionImage(*table, i);
        QVERIFY(image);
        QCOMPARE(image->geometry(), layout.positionRect(i));
        laid |= image->geometry();
        QCOMPARE(image->toolTip(),
                 QStringLiteral("%1. ").arg(i + 1) + QString::fromLocal8Bit(spread.explanation(i)));
        // The surface reaches every picture, so the area can scroll to it.
        QVERIFY(surface->rect().contains(image->geometry()));
    }
    QVERIFY(!positionImage(*table, 10));
    // The spread stands in the middle of the area and fills its width or height.
    const QRect view = area->contentsRect();
    QVERIFY(qAbs(laid.center().x() - view.center().x()) <= 1);
    QVERIFY(qAbs(laid.center().y() - view.center().y()) <= 1);
    QVERIFY(laid.width() >= view.width() - 2 * SpreadLayout::Margin - 1 ||
            laid.height() >= view.height() - 2 * SpreadLayout::Margin - 1);
    // The card that crosses the heart of the matter lies across it.
    QVERIFY(layout.isAcross(1));
    QVERIFY(positionImage(*table, 1)->width() > positionImage(*table, 1)->height());

    // Without tips the pictures carry none; turned on again they carry their numbers again.
    action(*table, "spreadTipsAction")->trigger();
    QVERIFY(positionImage(*table, 3)->toolTip().isEmpty());
    action(*table, "spreadTipsAction")->trigger();
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(positionImage(*table, i)->toolTip(),
                 QStringLiteral("%1. ").arg(i + 1) + QString::fromLocal8Bit(spread.explanation(i)));
    }

    // Choosing again lays a fresh spread.
    startReading(*table, m_fixture.interaction, QStringLiteral("Three Cards"));
    QCOMPARE(table->session().spread().positionCount(), 3);
    QVERIFY(positionImage(*table, 2));
    QVERIFY(!positionImage(*table, 3));
}

void TestSpreadView::chooserOffersTheCurrentSpread()
{
    auto table = m_fixture.startTable();
    QVERIFY(table);
    bool okAtOnce = true;
    m_fixture.interaction.expectDialog<SpreadChooser>([&](SpreadChooser &chooser) {
        okAtOnce = chooser.okButton->isEnabled();
        return int(QDialog::Rejected);
    });
    action(*table, "startReadingAction")->trigger();
    // Nothing is preselected before the first reading.
    QVERIFY(!okAtOnce);
    QCOMPARE(table->session().phase(), ReadingSession::Phase::NoSpread);

    startReading(*table, m_fixture.interaction, QStringLiteral("Horseshoe"));
    QString selected;
    m_fixture.interaction.expectDialog<SpreadChooser>([&](SpreadChooser &chooser) {
        selected = chooser.spreadList->currentItem()->text();
        okAtOnce = chooser.okButton->isEnabled();
        QTest::keyClick(chooser.spreadList, Qt::Key_Escape);
        return chooser.result();
    });
    QTest::keyClick(table.get(), Qt::Key_F9);
    QCOMPARE(selected, QStringLiteral("Horseshoe"));
    QVERIFY(okAtOnce);
    // Cancel leaves the spread laid.
    QCOMPARE(table->session().spreadName(), QStringLiteral("Horseshoe"));
    QCOMPARE(table->session().spread().positionCount(), 7);
    QVERIFY(positionImage(*table, 6));
}

void TestSpreadView::unreadableSpreadIsReported()
{
    QVERIFY(m_fixture.writeFile(QStringLiteral("Spreads/Broken.spread"), "not a spread at all"));
    auto table = startWithSpread(QStringLiteral("Three Cards"));
    QVERIFY(table);
    shuffleAndStop(*table);
    drawTopCard(*table);
    const QString prompt = part<QLabel>(*table, QStringLiteral("promptLabel"))->text();
    const QImage first = positionImage(*table, 0)->pixmap().toImage();

    startReading(*table, m_fixture.interaction, QStringLiteral("Broken"));
    // The message names the file and what is wrong with it.
    QCOMPARE(m_fixture.interaction.messages.size(), 1);
    const QString message = m_fixture.interaction.messages.first();
    QVERIFY(message.startsWith(table->programData().uiText(UiText::SpreadUnreadable)));
    QVERIFY2(message.contains(QStringLiteral("Broken.spread")), qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("not a spread file")), qPrintable(message));
    // The reading in progress goes on as it was.
    QCOMPARE(table->session().spreadName(), QStringLiteral("Three Cards"));
    QCOMPARE(table->session().phase(), ReadingSession::Phase::Drawing);
    QVERIFY(positionImage(*table, 2));
    QCOMPARE(positionImage(*table, 0)->pixmap().toImage(), first);
    QCOMPARE(part<QLabel>(*table, QStringLiteral("promptLabel"))->text(), prompt);
    drawTopCard(*table);
    QVERIFY(table->session().placements().isFilled(1));
}

void TestSpreadView::positionClicksTurnAndOpenTheCard()
{
    const QTemporaryDir storeDir;
    FaceStore store(storeDir.path());
    m_fixture.faces().setStore(&store);
    auto table = startWithSpread(QStringLiteral("Three Cards"));
    QVERIFY(table);
    shuffleAndStop(*table);
    for (int i = 0; i < 3; ++i)
        drawTopCard(*table);
    QCOMPARE(table->session().phase(), ReadingSession::Phase::Complete);

    // A card dealt face down is decoded and stored meanwhile.
    CardImage *first = positionImage(*table, 0);
    const Placements::Placement dealt = table->session().placements().at(0);
    const FaceStore::Source source = FaceStore::Source::of(CardPicture::path(
        table->programData().roots(), table->preferences().deckName(), dealt.card));
    store.waitForWrites();
    const auto stored = [&storeDir] { return QDir(storeDir.path()).entryList(QDir::Files).size(); };
    QCOMPARE(stored(), 3);
    const QImage prepared =
        store.find(source, first->size() * first->devicePixelRatioF(), dealt.reversed);
    QVERIFY(!prepared.isNull());

    // The first click turns the card face up, showing that face, and has
    // the detail window's face stored meanwhile.
    const QImage back = first->pixmap().toImage();
    QCOMPARE(positionImage(*table, 1)->pixmap().toImage(), back);
    clickPosition(*table, 0);
    QCOMPARE(first->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
             prepared.convertToFormat(QImage::Format_RGB32));
    QCOMPARE(positionImage(*table, 1)->pixmap().toImage(), back);
    store.waitForWrites();
    QCOMPARE(stored(), 4);

    // The second click opens the card's detail window, which shows the
    // stored face.
    QString title;
    QString subtitle;
    QImage picture;
    expectDetail(title, subtitle, &picture);
    clickPosition(*table, 0);
    store.waitForWrites();
    QCOMPARE(stored(), 4);
    const QImage storedDetail = store.find(source, picture.size(), dealt.reversed);
    QCOMPARE(picture.convertToFormat(QImage::Format_RGB32),
             storedDetail.convertToFormat(QImage::Format_RGB32));
    const Spread &spread = table->session().spread();
    const QString cardTitle = QString::fromLocal8Bit(
        table->programData().cardTitles()[table->session().placements().at(0).card]);
    QVERIFY2(title.startsWith(cardTitle), qPrintable(title + QStringLiteral(" / ") + cardTitle));
    QCOMPARE(subtitle, QString::fromLocal8Bit(spread.explanation(0)));
}

void TestSpreadView::extraCardShowsOnceACardIsTurned()
{
    auto table = startWithSpread(QStringLiteral("Single Card"));
    QVERIFY(table);
    auto *extraImage = part<CardImage>(*table, QStringLiteral("extraCardImage"));
    QVERIFY(extraImage);
    shuffleAndStop(*table);
    drawTopCard(*table);
    drawTopCard(*table); // the full spread takes no more yet
    QVERIFY(extraImage->isHidden());

    clickPosition(*table, 0);
    drawTopCard(*table);
    QVERIFY(extraImage->isVisible());
    QVERIFY(table->session().extraCard().has_value());
    const int extra = table->session().extraCard()->number;
    QCOMPARE(extraImage->tag(), extra);

    // A click on it opens the card's detail window, subtitled as the extra card.
    QString title;
    QString subtitle;
    expectDetail(title, subtitle);
    QTest::mouseClick(extraImage, Qt::LeftButton);
    QVERIFY(title.startsWith(QString::fromLocal8Bit(table->programData().cardTitles()[extra])));
    QCOMPARE(subtitle, table->programData().uiText(UiText::ExtraCardSubtitle));

    // A new reading clears it away.
    startReading(*table, m_fixture.interaction, QStringLiteral("Single Card"));
    QVERIFY(extraImage->isHidden());
}

void TestSpreadView::enlargingAndScrolling()
{
    // A spread reaching so far below the area that even at the smallest
    // scale the area scrolls.
    Spread tall;
    tall.positions.resize(2);
    tall.positions[0].place = QPoint(10, 10);
    tall.positions[1].place = QPoint(600, 2400);
    RandomGenerator random;
    QVERIFY(tall.save(Spread::filePath(m_fixture.appDir(), QStringLiteral("Tall")), random));
    auto table = startWithSpread(QStringLiteral("Tall"));
    QVERIFY(table);
    auto *area = part<QScrollArea>(*table, QStringLiteral("spreadView"));
    auto *deckView = part<DeckView>(*table, QStringLiteral("deckView"));
    QAction *toggle = action(*table, "toggleSpreadViewAction");
    const QRect normal = area->geometry();
    toggle->trigger(); // nothing before the deck is fanned
    QCOMPARE(area->geometry(), normal);

    shuffleAndStop(*table);
    // A position's tip shown when the view changes does not stay behind.
    QLabel *first = positionImage(*table, 0);
    QToolTip::showText(first->mapToGlobal(QPoint(5, 5)), QStringLiteral("tip"), first);
    QTRY_VERIFY(QToolTip::isVisible());
    toggle->trigger();
    // Its own time to go is ten seconds, and then some.
    QTRY_VERIFY_WITH_TIMEOUT(!QToolTip::isVisible(), 2000);
    QCOMPARE(area->geometry(), deckView->rect());
    toggle->trigger();
    QCOMPARE(area->geometry(), normal);

    QScrollBar *bar = area->verticalScrollBar();
    QVERIFY(bar->maximum() >= 80);
    QWheelEvent down(QPointF(5, 5), QPointF(5, 5), {}, QPoint(0, -120), Qt::NoButton, {},
                     Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(area->viewport(), &down);
    QCOMPARE(bar->value(), 40);
    // The wheel turned over the rest of the table scrolls the spread too.
    QWheelEvent up(QPointF(5, 5), QPointF(5, 5), {}, QPoint(0, 120), Qt::NoButton, {},
                   Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(deckView, &up);
    QCOMPARE(bar->value(), 0);

    // Enlarged for a reading that then ends, the area gives the table back.
    toggle->trigger();
    startReading(*table, m_fixture.interaction, QStringLiteral("Tall"));
    QCOMPARE(area->geometry(), normal);
}

void TestSpreadView::backgroundColourCommands()
{
    auto table = startWithSpread(QStringLiteral("Three Cards"));
    QVERIFY(table);
    auto *notice = part<QLabel>(*table, QStringLiteral("optionNotice"));
    m_fixture.interaction.expectDialog<QColorDialog>([](QColorDialog &colours) {
        colours.setCurrentColor(QColor(50, 100, 200));
        colours.accept();
        return colours.result();
    });
    // Labels, their frames, the notice and the prompt panel stand out from any table colour.
    const auto legible = [&](BgrColor back) {
        const QImage label = positionImage(*table, 1)->pixmap().toImage();
        const QColor prompt = part<QLabel>(*table, QStringLiteral("promptLabel"))
                                  ->palette()
                                  .color(QPalette::WindowText);
        for (const QColor &text :
             {notice->palette().color(QPalette::WindowText), label.pixelColor(0, 0), prompt}) {
            if (TableColor::contrastRatio(BgrColor::fromQColor(text), back) < 4.5)
                return false;
        }
        return true;
    };
    action(*table, "backgroundColorAction")->trigger();
    QVERIFY(legible(BgrColor::fromQColor(QColor(50, 100, 200))));
    QCOMPARE(positionImage(*table, 1)->pixmap().toImage().pixelColor(40, 100),
             QColor(50, 100, 200));

    action(*table, "defaultBackgroundAction")->trigger();
    QVERIFY(legible(TableColor::DefaultBackColor));
    QCOMPARE(positionImage(*table, 1)->pixmap().toImage().pixelColor(40, 100),
             QColor(0x11, 0x55, 0x11));
    // On a pale table the designed black labels and navy notice come back.
    m_fixture.interaction.expectDialog<QColorDialog>([](QColorDialog &colours) {
        colours.setCurrentColor(QColor(240, 230, 200));
        colours.accept();
        return colours.result();
    });
    action(*table, "backgroundColorAction")->trigger();
    QCOMPARE(notice->palette().color(QPalette::WindowText), QColor(0, 0, 0x80));
    QCOMPARE(positionImage(*table, 1)->pixmap().toImage().pixelColor(0, 0), QColor(Qt::black));
    action(*table, "defaultBackgroundAction")->trigger();
    QCOMPARE(part<DeckView>(*table, QStringLiteral("deckView"))->grab().toImage().pixelColor(3, 3),
             QColor(0x11, 0x55, 0x11));

    // The colour chosen is kept for the next start.
    m_fixture.interaction.expectDialog<QColorDialog>([](QColorDialog &colours) {
        colours.setCurrentColor(QColor(1, 2, 3));
        colours.accept();
        return colours.result();
    });
    action(*table, "backgroundColorAction")->trigger();
    table->close();
    QCOMPARE(m_fixture.storedSettings().value(QStringLiteral("backcolor")).toInt(),
             3 * 65536 + 2 * 256 + 1);
}

QTEST_MAIN(TestSpreadView)
#include "test_SpreadView.moc"
