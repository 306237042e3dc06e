// Does a whole reading with the keyboard alone, every key pressed where the
// focus lies: the spread chooser, the significator, shuffle and stop, the cut,
// drawing into every position, turning each card, its detail window and the
// save; and checks what a screen reader is told of the deck and the cards.
#include "TableFixture.h"
#include "TableSteps.h"
#include "core/engine/DeckCut.h"
#include "core/readings/ReadingFile.h"
#include "core/util/ScrambledText.h"
#include "core/util/WholeFile.h"
#include "ui/cards/CardDetailWindow.h"
#include "ui/cards/SelectCardDialog.h"
#include "ui/readings/CommentsWindow.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace TableSteps;
using Phase = ReadingSession::Phase;

namespace {

// Presses `key` where the keyboard's focus is.
void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key(key), modifiers);
}

// What a screen reader is told `widget` is called.
QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

// The lists and text fields of `dialog` that a screen reader could not name.
QStringList unnamedFields(QDialog &dialog)
{
    QStringList unnamed;
    for (QWidget *field : dialog.findChildren<QWidget *>()) {
        const bool isField = qobject_cast<QAbstractItemView *>(field) ||
                             qobject_cast<QLineEdit *>(field) ||
                             qobject_cast<QPlainTextEdit *>(field);
        if (isField && field->isVisible() && accessibleName(field).isEmpty())
            unnamed << dialog.objectName() + QLatin1Char('.') + field->objectName();
    }
    return unnamed;
}

// The next `Dialog` is shown and answered by `keys`, pressed where its focus
// is; its fields without a name are added to `unnamed`.
template <typename Dialog>
void answerByKeys(ScriptedInteraction &interaction, QStringList &unnamed,
                  std::function<void(Dialog &)> keys)
{
    interaction.expectDialog<Dialog>([keys, &unnamed](Dialog &dialog) {
        dialog.show();
        dialog.activateWindow();
        if (!QTest::qWaitFor([&dialog] { return QApplication::activeWindow() == &dialog; }))
            return int(QDialog::Rejected);
        // The file chooser is the toolkit's own.
        if (!qobject_cast<QFileDialog *>(&dialog))
            unnamed << unnamedFields(dialog);
        keys(dialog);
        return dialog.result();
    });
}

} // namespace

class TestKeyboardReading : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void wholeReadingByKeys();
    void typedInReadingByKeys();

private:
    // Gives the table back the keyboard after a dialog, as the desktop does.
    bool backToTable(TableWindow &table);

    TableFixture m_fixture;
};

void TestKeyboardReading::init()
{
    QVERIFY(m_fixture.setUp());
    QVERIFY(m_fixture.copySpreads());
    QVERIFY(m_fixture.linkDecks());
}

void TestKeyboardReading::cleanup()
{
    QVERIFY2(m_fixture.interaction.problems().isEmpty(),
             qPrintable(m_fixture.interaction.problems().join(QLatin1Char('\n'))));
}

bool TestKeyboardReading::backToTable(TableWindow &table)
{
    table.activateWindow();
    return QTest::qWaitForWindowActive(&table);
}

void TestKeyboardReading::wholeReadingByKeys()
{
    auto table = m_fixture.startTable();
    QVERIFY(table);
    QVERIFY(backToTable(*table));
    ReadingSession &session = table->session();
    auto *deck = part<DeckView>(*table, QStringLiteral("deckView"));
    ScriptedInteraction &interaction = m_fixture.interaction;
    QStringList unnamed;

    // F9 opens the chooser; typing a name finds the spread, Enter takes it.
    // The significator dialog opens on its list: Down picks a card.
    answerByKeys<SpreadChooser>(interaction, unnamed, [](SpreadChooser &) {
        QTest::keyClicks(nullptr, QStringLiteral("Question"));
        press(Qt::Key_Return);
    });
    QString significator;
    answerByKeys<SelectCardDialog>(interaction, unnamed, [&significator](SelectCardDialog &dialog) {
        press(Qt::Key_Down);
        significator = dialog.cardList->currentItem()->text();
        press(Qt::Key_Return);
    });
    press(Qt::Key_F9);
    QCOMPARE(session.spreadName(), QStringLiteral("Question"));
    QCOMPARE(table->programData().cardTitle(session.placements().at(0).card), significator);
    QVERIFY(backToTable(*table));

    // The deck has the focus: Enter shuffles, Enter again stops.
    QCOMPARE(session.phase(), Phase::ReadyToShuffle);
    QCOMPARE(QApplication::focusWidget(), deck);
    press(Qt::Key_Return);
    QCOMPARE(session.phase(), Phase::Shuffling);
    QTest::qWait(20);
    press(Qt::Key_Space);
    QCOMPARE(session.phase(), Phase::ReadyToCut);

    // Right moves the cut one card deeper each time; Enter cuts there.
    const int middle = deck->focus().cutCards(deck->geometry());
    press(Qt::Key_Right);
    press(Qt::Key_Right);
    QCOMPARE(deck->focus().cutCards(deck->geometry()), middle + 2);
    QVERIFY(accessibleName(deck).contains(QString::number(middle + 2)));
    press(Qt::Key_Return);
    QTRY_COMPARE(session.phase(), Phase::Drawing);

    // Enter draws the focused card, face down, into the next position.
    const int positions = session.spread().positionCount();
    press(Qt::Key_End);
    const int last = deck->focus().fanSlots().constLast();
    const quint32 lastCard = session.cards()[last].number;
    press(Qt::Key_Return);
    QCOMPARE(session.placements().at(1).card, lastCard);
    QVERIFY(accessibleName(positionImage(*table, 1)).endsWith(QStringLiteral("face down")));
    for (int position = 2; position < positions; ++position)
        press(Qt::Key_Enter);
    QCOMPARE(session.phase(), Phase::Complete);
    const int inFan = int(deck->focus().fanSlots().size());
    QVERIFY(accessibleName(deck).startsWith(QStringLiteral("Fan of %1 ").arg(inFan)));

    // Tab leaves the deck for the first position; the arrows go by place:
    // position 1 lies above the significator, 3 right of it.
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), positionImage(*table, 0));
    press(Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), positionImage(*table, 1));
    press(Qt::Key_Down);
    press(Qt::Key_Right);
    QCOMPARE(QApplication::focusWidget(), positionImage(*table, 3));

    // Enter turns each card; the screen reader hears its title.
    press(Qt::Key_Left);
    press(Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), positionImage(*table, 1));
    for (int position = 1; position < positions; ++position) {
        QCOMPARE(QApplication::focusWidget(), positionImage(*table, position));
        press(Qt::Key_Return);
        const Placements::Placement placement = session.placements().at(position);
        QVERIFY(placement.revealed);
        const QString name = accessibleName(positionImage(*table, position));
        QVERIFY2(name.contains(table->programData().cardTitle(placement.card)), qPrintable(name));
        QCOMPARE(name.endsWith(QStringLiteral(", reversed")), bool(placement.reversed));
        if (position + 1 < positions)
            press(Qt::Key_Tab);
    }

    // A second Enter opens the detail window of the card; Esc closes it.
    QString detailTitle;
    answerByKeys<CardDetailWindow>(interaction, unnamed, [&detailTitle](CardDetailWindow &window) {
        detailTitle = window.titleLabel->text();
        press(Qt::Key_Escape);
    });
    press(Qt::Key_Return);
    const quint32 lastTurned = session.placements().at(positions - 1).card;
    QVERIFY2(detailTitle.startsWith(table->programData().cardTitle(lastTurned)),
             qPrintable(detailTitle));
    QVERIFY(backToTable(*table));

    // Ctrl+S: comments typed, Tab to OK, Enter; then the file's name, Enter.
    const QString typed = QStringLiteral("Laid by keys");
    const QString path = m_fixture.appDir() + QStringLiteral("/Saved/by keys.reading");
    answerByKeys<CommentsWindow>(interaction, unnamed, [typed](CommentsWindow &) {
        QTest::keyClicks(nullptr, typed);
        press(Qt::Key_Tab);
        press(Qt::Key_Return);
    });
    answerByKeys<QFileDialog>(interaction, unnamed, [path](QFileDialog &) {
        QTest::keyClicks(nullptr, path);
        press(Qt::Key_Return);
    });
    press(Qt::Key_S, Qt::ControlModifier);
    QByteArray bytes;
    QVERIFY(WholeFile::read(path, bytes));
    QVERIFY(bytes.startsWith(ReadingFile::Header));
    QVERIFY(bytes.endsWith(ScrambledText::scramble(ReadingFile::commentsFromMemo(typed))));
    QVERIFY(interaction.messages.isEmpty());
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1Char(' '))));
}

void TestKeyboardReading::typedInReadingByKeys()
{
    auto table = m_fixture.startTable();
    QVERIFY(table);
    QVERIFY(backToTable(*table));
    ReadingSession &session = table->session();
    ScriptedInteraction &interaction = m_fixture.interaction;
    QStringList unnamed;

    // F8 starts a reading typed in; the focus waits on the first position.
    answerByKeys<SpreadChooser>(interaction, unnamed, [](SpreadChooser &) {
        QTest::keyClicks(nullptr, QStringLiteral("Three"));
        press(Qt::Key_Return);
    });
    press(Qt::Key_F8);
    QCOMPARE(session.phase(), Phase::TypingIn);
    QVERIFY(backToTable(*table));
    QCOMPARE(QApplication::focusWidget(), positionImage(*table, 0));

    // Enter on each position asks for its card. The list opens on its first row,
    // unselected: Space picks it, n presses of Down card n; Tab, Down turn it reversed.
    for (int position = 0; position < 3; ++position) {
        QCOMPARE(QApplication::focusWidget(), positionImage(*table, position));
        answerByKeys<SelectCardDialog>(interaction, unnamed, [position](SelectCardDialog &) {
            press(Qt::Key_Space);
            for (int step = 0; step < position; ++step)
                press(Qt::Key_Down);
            press(Qt::Key_Tab);
            press(Qt::Key_Down);
            press(Qt::Key_Return);
        });
        press(Qt::Key_Return);
        QVERIFY(backToTable(*table));
        QCOMPARE(session.placements().at(position).card, quint32(position));
        QVERIFY(session.placements().at(position).reversed);
        const QString name = accessibleName(positionImage(*table, position));
        QVERIFY2(
            name.endsWith(table->programData().cardTitle(position) + QStringLiteral(", reversed")),
            qPrintable(name));
        press(Qt::Key_Tab);
    }
    QCOMPARE(session.phase(), Phase::Complete);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1Char(' '))));
}

QTEST_MAIN(TestKeyboardReading)
#include "test_KeyboardReading.moc"
