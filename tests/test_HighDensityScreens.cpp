// Checks that on a screen of twice the density (1366 by 768 at scale 2) the
// pictures keep the detail their sources have: a card on the table, the
// detail window's picture, the fan's backs and the guide's pictures are drawn
// at device pixels, not drawn at half the pixels and enlarged.
#include "TableFixture.h"
#include "TableSteps.h"
#include "core/cards/CardBack.h"
#include "core/cards/CardPicture.h"
#include "core/lang/UiTextTable.h"
#include "ui/cards/CardDetailWindow.h"
#include "ui/help/HelpWindow.h"
#include "ui/table/DeckView.h"

#include <QDir>
#include <QLabel>
#include <QTextBrowser>

#include <cmath>

using namespace TableSteps;

namespace {

// Set before the application is made: the screen and its scale.
const bool screenChosen = [] {
    qputenv("QT_SCALE_FACTOR", "2");
    return qputenv("QT_QPA_PLATFORM",
                   "offscreen:configfile=" QT_TESTCASE_SOURCEDIR "/data/screen-2732x1536.json");
}();

// How much detail finer than two pixels `image` holds: the root mean square
// difference, in grey levels from 0 to 1, between it and its own copy halved
// and doubled again.
double fineDetail(const QImage &image)
{
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    const QImage blurred =
        grey.scaled(grey.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .scaled(grey.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double sum = 0;
    for (int y = 0; y < grey.height(); ++y) {
        const uchar *own = grey.constScanLine(y);
        const uchar *soft = blurred.constScanLine(y);
        for (int x = 0; x < grey.width(); ++x) {
            const double difference = (own[x] - soft[x]) / 255.0;
            sum += difference * difference;
        }
    }
    return std::sqrt(sum / (grey.width() * grey.height()));
}

// The source drawn straight at `size` device pixels, as sharp as it can be there.
QImage sourceAt(const QImage &source, const QSize &size)
{
    return source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

class TestHighDensityScreens : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void picturesKeepTheirDetail_data();
    void picturesKeepTheirDetail();
    void guidePicturesKeepTheirDetail();

private:
    TableFixture m_fixture;
};

void TestHighDensityScreens::init()
{
    QVERIFY(screenChosen);
    QVERIFY(m_fixture.setUp());
    QVERIFY(m_fixture.copySpreads());
    QVERIFY(m_fixture.linkDecks());
    m_fixture.storedSettings().setValue(QStringLiteral("cutdeck"), QStringLiteral("no"));
    m_fixture.storedSettings().setValue(QStringLiteral("UseReverse"), QStringLiteral("no"));
}

void TestHighDensityScreens::picturesKeepTheirDetail_data()
{
    QTest::addColumn<QString>("picture");
    for (const char *picture : {"table card", "detail window", "fan back"})
        QTest::newRow(picture) << QString::fromLatin1(picture);
}

void TestHighDensityScreens::picturesKeepTheirDetail()
{
    QFETCH(QString, picture);
    auto table = m_fixture.startTable();
    QVERIFY(table);
    QCOMPARE(table->devicePixelRatioF(), 2.0);
    QCOMPARE(table->width(), 1366);
    startReading(*table, m_fixture.interaction, QStringLiteral("Three Cards"));
    shuffleAndStop(*table);
    QVERIFY(table->session().isFanned());

    QImage shown;
    QImage source;
    if (picture == QLatin1String("fan back")) {
        const Card &top = table->session().cards()[topFanSlot(*table)];
        shown = part<DeckView>(*table, QStringLiteral("deckView"))
                    ->grab(QRect(top.x, top.y, Card::FanWidth, Card::FanHeight))
                    .toImage();
        source = CardBack::render(TableGeometry::FanBackSize * 4);
    } else {
        drawTopCard(*table);
        clickPosition(*table, 0);
        const int number = int(table->session().placements().at(0).card);
        QVERIFY(source.load(
            CardPicture::path(m_fixture.appDir(), table->preferences().deckName(), number)));
        if (picture == QLatin1String("table card")) {
            shown = positionImage(*table, 0)->grab().toImage();
        } else {
            m_fixture.interaction.expectDialog<CardDetailWindow>([&](CardDetailWindow &window) {
                shown = window.pictureLabel->grab().toImage();
                return int(QDialog::Rejected);
            });
            clickPosition(*table, 0);
        }
    }
    QVERIFY(!shown.isNull());
    QCOMPARE(shown.devicePixelRatio(), 2.0);
    // The frame's edge would count as detail; only the picture inside counts.
    const QRect inside = shown.rect().adjusted(4, 4, -4, -4);
    const double kept = fineDetail(shown.copy(inside));
    const double possible = fineDetail(sourceAt(source, shown.size()).copy(inside));
    QVERIFY2(kept >= 0.6 * possible,
             qPrintable(QStringLiteral("%1 of %2").arg(kept).arg(possible)));
}

void TestHighDensityScreens::guidePicturesKeepTheirDetail()
{
    // A card's picture as a guide's picture of 240 by 400 points, beside its
    // copy at twice the pixels.
    QImage source;
    QVERIFY(source.load(CardPicture::path(m_fixture.appDir(), QStringLiteral("Ardenvale"), 17)));
    QVERIFY(QDir(m_fixture.appDir()).mkpath(QStringLiteral("help")));
    const QImage dense = sourceAt(source, {480, 800}).convertToFormat(QImage::Format_RGB32);
    QVERIFY(dense.save(m_fixture.appDir() + QStringLiteral("/help/card@2x.png")));
    QVERIFY(
        sourceAt(source, {240, 400}).save(m_fixture.appDir() + QStringLiteral("/help/card.png")));
    QVERIFY(m_fixture.writeFile(QStringLiteral("guide.htm"),
                                "<html><body><img src=\"help/card.png\"></body></html>"));

    HelpWindow help;
    help.showGuide(m_fixture.appDir() + QStringLiteral("/guide.htm"), UiTextTable());
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    QTextBrowser *browser = help.browser;
    const QPoint topLeft = browser->cursorRect(QTextCursor(browser->document())).topLeft();
    QImage shown = browser->viewport()->grab(QRect(topLeft, QSize(240, 400))).toImage();
    QCOMPARE(shown.devicePixelRatio(), 2.0);
    // Every device pixel is the dense picture's own, not a doubled one.
    shown.setDevicePixelRatio(1);
    QCOMPARE(shown.convertToFormat(QImage::Format_RGB32), dense);
}

QTEST_MAIN(TestHighDensityScreens)
#include "test_HighDensityScreens.moc"
