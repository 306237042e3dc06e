// Checks the deck chooser: what it offers and previews, how OK, a double
// click, Esc and Cancel end it, and what choosing a deck from the table's
// menu changes: the deck, its 79th card, the card titles and the settings.
#include "TableFixture.h"
#include "TableSteps.h"
#include "core/cards/CardFaceCache.h"
#include "core/lang/UiText.h"
#include "core/lang/UiTextTable.h"
#include "core/readings/ReadingOpenPlan.h"
#include "ui/cards/DeckChooser.h"

#include <QBuffer>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>
#include <numeric>

using namespace TableSteps;
using Choice = DeckChooser::Choice;

namespace {

// The centre of `item` in the list, where a user clicks it.
QPoint centreOf(QListWidget *list, QListWidgetItem *item)
{
    return list->visualItemRect(item).center();
}

// Clicks the deck `name` in the chooser's list; false when the list lacks it.
[[nodiscard]] bool clickDeck(DeckChooser &chooser, const QString &name)
{
    const auto items = chooser.deckList->findItems(name, Qt::MatchExactly);
    if (items.isEmpty())
        return false;
    QTest::mouseClick(chooser.deckList->viewport(), Qt::LeftButton, {},
                      centreOf(chooser.deckList, items.first()));
    return true;
}

// Clicks the round button at the left of `button`, where a wide button
// reacts to the mouse.
void clickRadio(QRadioButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

QStringList listed(const DeckChooser &chooser)
{
    QStringList names;
    for (int row = 0; row < chooser.deckList->count(); ++row)
        names << chooser.deckList->item(row)->text();
    return names;
}

QString title(TableWindow &table, int number)
{
    return table.programData().cardTitle(number);
}

} // namespace

class TestDeckChooser : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // The dialog on its own.
    void opensOnTheCurrentDeckAndNumbering_data();
    void opensOnTheCurrentDeckAndNumbering();
    void previewFollowsTheSelection();
    void okWaitsForADeck();
    void doubleClickAcceptsAndEscapeCancels();
    void noDecksGiveANoticeAndALoneOk();

    // Chosen from the table.
    void extraCardDeckDealsItsCardAndBack();
    void cancelKeepsEverything();
    void numberingReloadsTheTitlesAtOnce();
    void chosenDeckIsReadAfresh();
    void extraCardWarningPointsToTheChooser();

private:
    // Pics/`deck` in the dialog's own folder with plain-coloured pictures
    // of the cards `numbers`.
    [[nodiscard]] bool makeDeck(const QString &deck, const QList<int> &numbers,
                                const QColor &colour);
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CardFaceCache> m_faces;
    UiTextTable m_texts;
    TableFixture m_fixture;
};

void TestDeckChooser::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_faces = std::make_unique<CardFaceCache>(m_dir->path());
    QVERIFY(m_fixture.setUp());
    QVERIFY(m_fixture.copySpreads());
    QVERIFY(m_fixture.linkDecks());
    m_fixture.storedSettings().setValue(QStringLiteral("cutdeck"), QStringLiteral("no"));
}

void TestDeckChooser::cleanup()
{
    QVERIFY2(m_fixture.interaction.problems().isEmpty(),
             qPrintable(m_fixture.interaction.problems().join(QLatin1Char('\n'))));
}

bool TestDeckChooser::makeDeck(const QString &deck, const QList<int> &numbers, const QColor &colour)
{
    const QString folder = m_dir->path() + QStringLiteral("/Pics/") + deck;
    QImage picture(40, 58, QImage::Format_RGB32);
    picture.fill(colour);
    return QDir().mkpath(folder) && std::all_of(numbers.begin(), numbers.end(), [&](int number) {
               return picture.save(folder + QStringLiteral("/%1.jpg").arg(number));
           });
}

void TestDeckChooser::opensOnTheCurrentDeckAndNumbering_data()
{
    QTest::addColumn<bool>("ardenvaleStyle");
    QTest::addColumn<bool>("strengthEleven");
    QTest::newRow("new age courts, Strength XI") << true << true;
    QTest::newRow("traditional courts, Strength VIII") << false << false;
}

void TestDeckChooser::opensOnTheCurrentDeckAndNumbering()
{
    // The current deck is selected with OK ready, the groups show the
    // numbering in use, and OK returns what was changed.
    QFETCH(bool, ardenvaleStyle);
    QFETCH(bool, strengthEleven);
    QVERIFY(makeDeck(QStringLiteral("Doded B"), {0}, Qt::red));
    QVERIFY(makeDeck(QStringLiteral("tarot a"), {0}, Qt::red));
    QVERIFY(makeDeck(QStringLiteral("Classic"), {0}, Qt::red));
    DeckChooser chooser(DeckList::scan(m_dir->path()),
                        {QStringLiteral("tarot a"), ardenvaleStyle, strengthEleven}, *m_faces,
                        m_texts);
    chooser.show();
    QCOMPARE(listed(chooser), (QStringList{QStringLiteral("Classic"), QStringLiteral("Doded B"),
                                           QStringLiteral("tarot a")}));
    QCOMPARE(chooser.deckList->currentItem()->text(), QStringLiteral("tarot a"));
    QVERIFY(chooser.okButton->isEnabled());
    QCOMPARE(chooser.newAgeButton->isChecked(), ardenvaleStyle);
    QCOMPARE(chooser.traditionalButton->isChecked(), !ardenvaleStyle);
    QCOMPARE(chooser.strengthElevenButton->isChecked(), strengthEleven);
    QCOMPARE(chooser.strengthEightButton->isChecked(), !strengthEleven);
    QCOMPARE(chooser.courtGroup->title(), m_texts.string(UiText::CourtArcanaGroup));
    QCOMPARE(chooser.traditionalButton->text(), m_texts.string(UiText::TraditionalSequence));
    QCOMPARE(chooser.strengthGroup->title(), m_texts.string(UiText::StrengthArcanaGroup));

    QVERIFY(clickDeck(chooser, QStringLiteral("Doded B")));
    clickRadio(ardenvaleStyle ? chooser.traditionalButton : chooser.newAgeButton);
    clickRadio(strengthEleven ? chooser.strengthEightButton : chooser.strengthElevenButton);
    QTest::mouseClick(chooser.okButton, Qt::LeftButton);
    QCOMPARE(chooser.result(), int(QDialog::Accepted));
    QCOMPARE(chooser.choice(),
             (Choice{QStringLiteral("Doded B"), !ardenvaleStyle, !strengthEleven}));
}

void TestDeckChooser::previewFollowsTheSelection()
{
    // The preview shows the selected deck's first picture and its number of
    // cards; a deck with the 79th card has built-in titles, so the numbering
    // groups are off for it.
    QList<int> full(79);
    std::iota(full.begin(), full.end(), 0);
    QVERIFY(makeDeck(QStringLiteral("Red"), full, Qt::red));
    QVERIFY(makeDeck(QStringLiteral("Blue"), full.mid(5, 78 - 5), Qt::blue));
    QVERIFY(makeDeck(QStringLiteral("One"), {3}, Qt::green));
    DeckChooser chooser(DeckList::scan(m_dir->path()), {QStringLiteral("Red"), true, true},
                        *m_faces, m_texts);
    chooser.show();
    const auto centreColour = [&] {
        const QImage shown = chooser.previewImage->pixmap().toImage();
        return shown.isNull() ? QColor() : QColor(shown.pixel(shown.rect().center()));
    };
    QCOMPARE(chooser.cardCountLabel->text(), QStringLiteral("79 cards"));
    QVERIFY(centreColour().red() > 200 && centreColour().blue() < 60);
    QVERIFY(!chooser.courtGroup->isEnabled() && !chooser.strengthGroup->isEnabled());

    QVERIFY(clickDeck(chooser, QStringLiteral("Blue")));
    QCOMPARE(chooser.cardCountLabel->text(), QStringLiteral("73 cards"));
    QVERIFY(centreColour().blue() > 200 && centreColour().red() < 60);
    QCOMPARE(chooser.deckList->currentItem()->toolTip(), QStringLiteral("73 cards"));
    QVERIFY(chooser.courtGroup->isEnabled() && chooser.strengthGroup->isEnabled());
    QVERIFY(clickDeck(chooser, QStringLiteral("One")));
    QCOMPARE(chooser.cardCountLabel->text(), QStringLiteral("1 card"));
}

void TestDeckChooser::okWaitsForADeck()
{
    // A current deck that is not listed selects nothing: OK waits for a click.
    QVERIFY(makeDeck(QStringLiteral("Classic"), {0}, Qt::red));
    DeckChooser chooser(DeckList::scan(m_dir->path()), {QStringLiteral("classic"), true, true},
                        *m_faces, m_texts);
    chooser.show();
    QVERIFY(!chooser.okButton->isEnabled());
    QTest::mouseClick(chooser.okButton, Qt::LeftButton);
    QVERIFY(chooser.isVisible());
    QVERIFY(clickDeck(chooser, QStringLiteral("Classic")));
    QVERIFY(chooser.okButton->isEnabled());
    QVERIFY(chooser.okButton->isDefault());
    QTest::keyClick(&chooser, Qt::Key_Return);
    QCOMPARE(chooser.result(), int(QDialog::Accepted));
    QCOMPARE(chooser.choice().deckName, QStringLiteral("Classic"));
}

void TestDeckChooser::doubleClickAcceptsAndEscapeCancels()
{
    QVERIFY(makeDeck(QStringLiteral("One"), {0}, Qt::red));
    QVERIFY(makeDeck(QStringLiteral("Two"), {0}, Qt::red));
    const Choice start{QStringLiteral("One"), true, false};
    {
        DeckChooser chooser(DeckList::scan(m_dir->path()), start, *m_faces, m_texts);
        chooser.show();
        QListWidget *list = chooser.deckList;
        const QPoint two = centreOf(list, list->findItems(QStringLiteral("Two"), {})[0]);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, two);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, two);
        QCOMPARE(chooser.result(), int(QDialog::Accepted));
        QCOMPARE(chooser.choice(), (Choice{QStringLiteral("Two"), true, false}));
    }
    {
        DeckChooser chooser(DeckList::scan(m_dir->path()), start, *m_faces, m_texts);
        chooser.show();
        QVERIFY(clickDeck(chooser, QStringLiteral("Two")));
        clickRadio(chooser.strengthElevenButton);
        QTest::keyClick(chooser.deckList, Qt::Key_Escape);
        QCOMPARE(chooser.result(), int(QDialog::Rejected));
        QVERIFY(!chooser.isVisible());
        QCOMPARE(chooser.choice(), start);
    }
}

void TestDeckChooser::noDecksGiveANoticeAndALoneOk()
{
    // Plain files and picture-less folders are no decks: the notice and a
    // centred OK take the list's place, and OK keeps the choice as it was.
    QVERIFY(QDir().mkpath(m_dir->path() + QStringLiteral("/Pics/Empty")));
    QVERIFY(QFile(m_dir->path() + QStringLiteral("/Pics/0.jpg")).open(QIODevice::WriteOnly));
    const Choice start{QStringLiteral("Gone"), false, false};
    DeckChooser chooser(DeckList::scan(m_dir->path()), start, *m_faces, m_texts);
    chooser.show();
    for (QWidget *hidden :
         {static_cast<QWidget *>(chooser.deckList), static_cast<QWidget *>(chooser.cancelButton),
          static_cast<QWidget *>(chooser.courtGroup), static_cast<QWidget *>(chooser.strengthGroup),
          static_cast<QWidget *>(chooser.previewImage)})
        QVERIFY2(hidden->isHidden(), qPrintable(hidden->objectName()));
    QVERIFY(chooser.noDecksLabel->isVisible());
    QCOMPARE(chooser.noDecksLabel->text(),
             QStringLiteral("Decks were not found.\nMake sure that the \"Pics\" directory "
                            "exists and contains images."));
    QCOMPARE(chooser.okButton->x(), (chooser.width() - chooser.okButton->width()) / 2 - 6);
    QVERIFY(chooser.okButton->isEnabled());
    QTest::mouseClick(chooser.okButton, Qt::LeftButton);
    QCOMPARE(chooser.result(), int(QDialog::Accepted));
    QCOMPARE(chooser.choice(), start);
}

void TestDeckChooser::extraCardDeckDealsItsCardAndBack()
{
    // Choosing the 79-card deck with Ctrl+D gives the next reading its 79th
    // card and the fixed titles, and is stored at once; choosing the
    // 78-card deck again takes both away.
    auto table = m_fixture.startTable();
    QVERIFY(table);
    QCOMPARE(table->preferences().deckName(), QStringLiteral("Ardenvale"));
    QVERIFY(action(*table, "selectDeckAction")->isEnabled());

    QStringList offered;
    const auto choose = [&](const QString &deck) {
        m_fixture.interaction.expectDialog<DeckChooser>([&offered, deck](DeckChooser &chooser) {
            offered = listed(chooser);
            // A deck the list lacks leaves the choice as it was, which the test sees.
            if (!clickDeck(chooser, deck))
                return int(QDialog::Rejected);
            QTest::mouseClick(chooser.okButton, Qt::LeftButton);
            return chooser.result();
        });
    };
    choose(QStringLiteral("Veldmere"));
    QTest::keyClick(table.get(), Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(offered, (QStringList{QStringLiteral("Ardenvale"), QStringLiteral("Veldmere")}));
    QCOMPARE(table->preferences().deckName(), QStringLiteral("Veldmere"));
    QVERIFY(table->programData().deck79());
    QCOMPARE(title(*table, 78), QStringLiteral("The Master"));
    QCOMPARE(m_fixture.storedSettings().value(QStringLiteral("DeckName")).toString(),
             QStringLiteral("Veldmere"));

    startReading(*table, m_fixture.interaction, QStringLiteral("Three Cards"));
    shuffleAndStop(*table);
    QCOMPARE(table->session().deckSize(), 79);
    const Deck::Slots &cards = table->session().cards();
    QVERIFY(std::any_of(cards.begin(), cards.begin() + 79,
                        [](const Card &card) { return card.number == 78; }));

    choose(QStringLiteral("Ardenvale"));
    action(*table, "selectDeckAction")->trigger();
    QVERIFY(!table->programData().deck79());
    QCOMPARE(title(*table, 32), QStringLiteral("Princess of Wands"));
    startReading(*table, m_fixture.interaction, QStringLiteral("Three Cards"));
    shuffleAndStop(*table);
    QCOMPARE(table->session().deckSize(), 78);
    QCOMPARE(m_fixture.storedSettings().value(QStringLiteral("DeckName")).toString(),
             QStringLiteral("Ardenvale"));
}

void TestDeckChooser::cancelKeepsEverything()
{
    // Clicks in the dialog change nothing until OK.
    auto table = m_fixture.startTable();
    QVERIFY(table);
    const Preferences &preferences = table->preferences();
    const std::tuple before{preferences.deckName(), preferences.ardenvaleStyle(),
                            preferences.strengthEleven()};
    const auto titlesBefore = table->programData().cardTitles();
    bool clicked = false;
    m_fixture.interaction.expectDialog<DeckChooser>([&clicked](DeckChooser &chooser) {
        clicked = clickDeck(chooser, QStringLiteral("Veldmere"));
        clickRadio(chooser.newAgeButton);
        clickRadio(chooser.strengthEightButton);
        QTest::mouseClick(chooser.cancelButton, Qt::LeftButton);
        return chooser.result();
    });
    action(*table, "selectDeckAction")->trigger();
    QVERIFY(clicked);
    QVERIFY(std::tuple(preferences.deckName(), preferences.ardenvaleStyle(),
                       preferences.strengthEleven()) == before);
    QVERIFY(!table->programData().deck79());
    QVERIFY(table->programData().cardTitles() == titlesBefore);
    startReading(*table, m_fixture.interaction, QStringLiteral("Three Cards"));
    shuffleAndStop(*table);
    QCOMPARE(table->session().deckSize(), 78);
}

void TestDeckChooser::numberingReloadsTheTitlesAtOnce()
{
    // Strength XI and the New Age courts show in the titles as soon as OK is
    // pressed; a stored "no" means the traditional sequence.
    m_fixture.storedSettings().setValue(QStringLiteral("Strength11"), QStringLiteral("8"));
    m_fixture.storedSettings().setValue(QStringLiteral("ArdenvaleStyle"), QStringLiteral("no"));
    auto table = m_fixture.startTable();
    QVERIFY(table);
    QCOMPARE(title(*table, 8), QStringLiteral("VIII. Strength"));
    QCOMPARE(title(*table, 11), QStringLiteral("XI. Justice"));
    QCOMPARE(title(*table, 32), QStringLiteral("Page of Wands"));

    bool openedOnTheNumbering = false;
    m_fixture.interaction.expectDialog<DeckChooser>([&](DeckChooser &chooser) {
        openedOnTheNumbering =
            chooser.traditionalButton->isChecked() && chooser.strengthEightButton->isChecked();
        clickRadio(chooser.strengthElevenButton);
        clickRadio(chooser.newAgeButton);
        QTest::mouseClick(chooser.okButton, Qt::LeftButton);
        return chooser.result();
    });
    action(*table, "selectDeckAction")->trigger();
    QVERIFY(openedOnTheNumbering);
    QCOMPARE(title(*table, 8), QStringLiteral("VIII. Justice"));
    QCOMPARE(title(*table, 11), QStringLiteral("XI. Strength"));
    QCOMPARE(title(*table, 32), QStringLiteral("Princess of Wands"));
    QCOMPARE(title(*table, 77), QStringLiteral("King of Pentacles"));
    QCOMPARE(m_fixture.storedSettings().value(QStringLiteral("ArdenvaleStyle")).toString(),
             QStringLiteral("yes"));
    QCOMPARE(m_fixture.storedSettings().value(QStringLiteral("Strength11")).toString(),
             QStringLiteral("11"));
}

void TestDeckChooser::chosenDeckIsReadAfresh()
{
    // Pictures replaced in a deck folder show once the deck is chosen again,
    // instead of the faces decoded before.
    QVERIFY(m_fixture.setUp()); // a program folder whose Pics the test may write
    QImage picture(40, 58, QImage::Format_RGB32);
    QBuffer red;
    picture.fill(Qt::red);
    QVERIFY(picture.save(&red, "JPG"));
    for (int number = 0; number < 78; ++number)
        QVERIFY(m_fixture.writeFile(QStringLiteral("Pics/Plain/%1.jpg").arg(number), red.data()));
    m_fixture.storedSettings().setValue(QStringLiteral("DeckName"), QStringLiteral("Plain"));
    auto table = m_fixture.startTable();
    QVERIFY(table);
    const auto centre = [this] {
        const QImage face = m_fixture.faces().face(QStringLiteral("Plain"), 0, false);
        return QColor(face.pixel(face.rect().center()));
    };
    QVERIFY(centre().red() > 200);

    QBuffer blue;
    picture.fill(Qt::blue);
    QVERIFY(picture.save(&blue, "JPG"));
    QVERIFY(m_fixture.writeFile(QStringLiteral("Pics/Plain/0.jpg"), blue.data()));
    QVERIFY(centre().red() > 200); // still the face decoded before
    m_fixture.interaction.expectDialog<DeckChooser>([](DeckChooser &chooser) {
        QTest::mouseClick(chooser.okButton, Qt::LeftButton);
        return chooser.result();
    });
    action(*table, "selectDeckAction")->trigger();
    QVERIFY(centre().blue() > 200 && centre().red() < 60);
}

void TestDeckChooser::extraCardWarningPointsToTheChooser()
{
    // The warning for a 79-card reading names the command that now chooses the deck.
    auto table = m_fixture.startTable();
    QVERIFY(table);
    QAction *selectDeck = action(*table, "selectDeckAction");
    QVERIFY(selectDeck->isEnabled());
    ReadingOpenPlan plan;
    plan.result = ReadingOpenPlan::Outcome::NeedsDeck79;
    const QString warning = plan.message(table->programData().uiTexts());
    QVERIFY2(warning.contains(selectDeck->text().remove(QLatin1Char('&'))), qPrintable(warning));
}

QTEST_MAIN(TestDeckChooser)
#include "test_DeckChooser.moc"
