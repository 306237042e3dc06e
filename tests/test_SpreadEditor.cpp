// Checks the spread editor as a user drives it with the mouse and keys: the
// labels and dialog titles, one active box, dragging (also while scrolled and
// to negative places), the keyboard, Add and Delete, the significator box,
// undo and redo, the question on leaving with changes, boxes across and the
// preview, the positions list, Save's checks, naming a new spread, keeping
// saved readings openable, writing the file, and the editor opened from the
// table's menu.
#include "core/lang/UiText.h"
#include "core/lang/UiTextTable.h"
#include "core/readings/ReadingFile.h"
#include "core/spreads/Spread.h"
#include "core/spreads/SpreadList.h"
#include "core/util/RandomGenerator.h"
#include "core/util/ScrambledText.h"
#include "core/util/WholeFile.h"
#include "ui/common/ChoiceQuestion.h"
#include "ui/spreads/PositionBox.h"
#include "ui/spreads/PositionExplanationDialog.h"
#include "ui/spreads/PositionList.h"
#include "ui/spreads/SpreadEditor.h"
#include "ui/spreads/SpreadPreview.h"

#include "ScriptedInteraction.h"
#include "SpreadBuilder.h"
#include "TableFixture.h"
#include "TableSteps.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

#include <memory>

namespace {

const QSize Area(850, 560);

// The lines of a spread file without their random prefixes.
QList<QByteArray> plainLines(const QString &path)
{
    QByteArray bytes;
    if (!WholeFile::read(path, bytes))
        return {};
    QList<QByteArray> lines = ScrambledText::scramble(bytes).split('\n');
    for (QByteArray &line : lines)
        line = line.mid(6);
    return lines;
}

QStringList boxLabels(const SpreadEditor &editor)
{
    QStringList labels;
    for (int i = 0; i < editor.design().count(); ++i)
        labels.append(editor.box(i)->label());
    return labels;
}

// The next explanation dialog gets `text` (and the significator box
// `significator`) and is closed with OK.
void expectExplanation(ScriptedInteraction &interaction, const QString &text,
                       bool significator = false)
{
    interaction.expectDialog<PositionExplanationDialog>(
        [text, significator](PositionExplanationDialog &dialog) {
            dialog.show();
            if (dialog.significatorBox->isChecked() != significator)
                QTest::mouseClick(dialog.significatorBox, Qt::LeftButton, {},
                                  QPoint(5, dialog.significatorBox->height() / 2));
            if (!significator) {
                dialog.textEdit->clear();
                QTest::keyClicks(dialog.textEdit, text);
            }
            QTest::mouseClick(dialog.okButton, Qt::LeftButton);
            return dialog.result();
        });
}

void expectName(ScriptedInteraction &interaction, const QString &name)
{
    interaction.expectDialog<PositionExplanationDialog>([name](PositionExplanationDialog &dialog) {
        dialog.show();
        if (dialog.significatorBox->isVisible())
            return int(QDialog::Rejected);
        dialog.textEdit->setText(name);
        QTest::keyClick(dialog.textEdit, Qt::Key_Return);
        return dialog.result();
    });
}

// The next question gets choice `choice` clicked; its text goes to `text`.
void answerQuestion(ScriptedInteraction &interaction, int choice, QString *text = nullptr)
{
    interaction.expectDialog<ChoiceQuestion>([choice, text](ChoiceQuestion &question) {
        if (text)
            *text = question.text();
        question.show();
        QTest::mouseClick(question.choiceButton(choice), Qt::LeftButton);
        return question.result();
    });
}

// The boxes whose outline is drawn in the active red, read from their pixels.
QList<int> redBoxes(const SpreadEditor &editor)
{
    QList<int> red;
    for (int i = 0; i < editor.design().count(); ++i) {
        const QColor corner = editor.box(i)->grab().toImage().pixelColor(1, 1);
        if (corner.red() > 150 && corner.green() < 40)
            red.append(i);
    }
    return red;
}

void rightClick(PositionBox *box)
{
    QTest::mousePress(box, Qt::RightButton, {}, QPoint(20, 20));
    QTest::mouseRelease(box, Qt::RightButton, {}, QPoint(20, 20));
}

void drag(PositionBox *box, const QPoint &grab, const QPoint &by)
{
    QTest::mousePress(box, Qt::LeftButton, {}, grab);
    QTest::mouseMove(box, grab + by / 2);
    // The box has followed half way, so the rest is measured from there.
    QTest::mouseMove(box, grab + by - by / 2);
    QTest::mouseRelease(box, Qt::LeftButton, {}, grab);
}

} // namespace

class TestSpreadEditor : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void labelsAndTitles();
    void exactlyOneBoxIsActive();
    void keyboardActsOnTheActiveBox();
    void dragsFollowTheGrabPoint();
    void dragWhileScrolledIsSavedUnscrolled();
    void arrowKeysMoveTheActiveBox();
    void addAndDeleteRenumber();
    void significatorBoxMovesThePosition();
    void undoAndRedoEveryChange();
    void saveRefusesIncompleteSpreads();
    void saveUnchangedRewritesTheSameSpread();
    void leavingWithChangesAsks_data();
    void leavingWithChangesAsks();
    void boxesAcrossAndThePreviewShowTheTable();
    void negativePlacesScrollAndShiftOnlyWhenAsked();
    void positionListEditsAndReorders();
    void changedCountsKeepSavedReadings_data();
    void changedCountsKeepSavedReadings();
    void newSpreadNameIsChecked();
    void replacingAskedAndFailedWriteKeepsEditorOpen();
    void windowLayout();
    void menuCommandsOpenTheEditor();

private:
    // Writes `spread` as Spreads/<name>.spread in the test's folder.
    [[nodiscard]] bool writeSpread(const QString &name, const Spread &spread);
    std::unique_ptr<SpreadEditor> openEditor(const QString &name, const QSize &area = Area);
    QString spreadPath(const QString &name) const
    {
        return m_dir->path() + QStringLiteral("/Spreads/") + name + QStringLiteral(".spread");
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    UiTextTable m_texts;
    ScriptedInteraction m_interaction;
};

void TestSpreadEditor::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("Spreads")));
    m_interaction = ScriptedInteraction();
}

void TestSpreadEditor::cleanup()
{
    QCOMPARE(m_interaction.problems(), QStringList());
}

bool TestSpreadEditor::writeSpread(const QString &name, const Spread &spread)
{
    RandomGenerator random;
    return spread.save(spreadPath(name), random);
}

std::unique_ptr<SpreadEditor> TestSpreadEditor::openEditor(const QString &name, const QSize &area)
{
    auto editor = std::make_unique<SpreadEditor>(
        SpreadEditor::Setup{m_dir->path(), name, area, QColor(0x11, 0x55, 0x11), {}, {}}, m_texts,
        m_interaction);
    editor->show();
    if (!QTest::qWaitForWindowExposed(editor.get()))
        return nullptr;
    return editor;
}

void TestSpreadEditor::labelsAndTitles()
{
    Spread spread = spreadWith(4, 1);
    for (int i = 0; i < 4; ++i) {
        spread.positions[i].place = QPoint(20 + 100 * i, 30);
    }
    QVERIFY(writeSpread(QStringLiteral("Four"), spread));
    auto editor = openEditor(QStringLiteral("Four"));
    QVERIFY(editor);
    QCOMPARE(editor->loadFault(), QString());
    QCOMPARE(editor->windowTitle(), m_texts.string(UiText::EditSpreadCaption) + " 'Four'");
    QCOMPARE(boxLabels(*editor), (QStringList{"S1. ", "1. ", "2. ", "3. "}));
    QCOMPARE(editor->box(2)->pos(), QPoint(220, 30));
    // Opened, the last position is the active one.
    QCOMPARE(editor->activePosition(), 3);
    QVERIFY(editor->box(3)->isActive());
    QVERIFY(!editor->box(0)->isActive());

    const QStringList labels = {"S1", "1", "2", "3"};
    for (int i = 0; i < 4; ++i) {
        QString title;
        QString text;
        bool significator = false;
        bool textEnabled = false;
        m_interaction.expectDialog<PositionExplanationDialog>(
            [&](PositionExplanationDialog &dialog) {
                title = dialog.windowTitle();
                text = dialog.textEdit->text();
                textEnabled = dialog.textEdit->isEnabled();
                significator = dialog.significatorBox->isChecked();
                return int(QDialog::Rejected);
            });
        rightClick(editor->box(i));
        QCOMPARE(editor->activePosition(), i);
        QCOMPARE(title, m_texts.string(UiText::ExplanationCaption) + labels.at(i));
        QCOMPARE(significator, i == 0);
        // A significator shows the significator text, locked, whatever the file says.
        QCOMPARE(text, i == 0 ? m_texts.string(UiText::ExplanationDefault)
                              : QStringLiteral("E%1").arg(i));
        QCOMPARE(textEnabled, i != 0);
    }
    // A middle click only selects.
    QTest::mouseClick(editor->box(1), Qt::MiddleButton, {}, QPoint(10, 10));
    QCOMPARE(editor->activePosition(), 1);
    QVERIFY(editor->box(1)->isActive());
    QVERIFY(!editor->box(3)->isActive());
    QCOMPARE(editor->undoStack()->count(), 0);
}

void TestSpreadEditor::dragsFollowTheGrabPoint()
{
    Spread spread = spreadWith(2, 0);
    spread.positions[0].place = QPoint(40, 50);
    QVERIFY(writeSpread(QStringLiteral("Two"), spread));
    auto editor = openEditor(QStringLiteral("Two"));
    QVERIFY(editor);
    PositionBox *box = editor->box(0);
    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(30, 60));
    QCOMPARE(editor->activePosition(), 0);
    QTest::mouseMove(box, QPoint(45, 52));
    QCOMPARE(box->pos(), QPoint(55, 42));
    QCOMPARE(editor->coordinatesLabel->text(), QStringLiteral("55, 42"));
    // Not yet dropped: the design still has the old place.
    QCOMPARE(editor->design().at(0).place, QPoint(40, 50));
    QTest::mouseMove(box, QPoint(20, 60));
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(30, 60));
    QCOMPARE(box->pos(), QPoint(45, 42));
    QCOMPARE(editor->design().at(0).place, QPoint(45, 42));
    // Dragged to negative places too.
    drag(box, QPoint(10, 10), QPoint(-60, -50));
    QCOMPARE(editor->design().at(0).place, QPoint(-15, -8));
    QCOMPARE(editor->undoStack()->count(), 2);
}

void TestSpreadEditor::dragWhileScrolledIsSavedUnscrolled()
{
    Spread spread = spreadWith(2, 0);
    placeAt(spread, {{10, 10}, {1400, 700}});
    QVERIFY(writeSpread(QStringLiteral("Wide"), spread));
    auto editor = openEditor(QStringLiteral("Wide"), QSize(600, 400));
    QVERIFY(editor);
    QScrollBar *horizontal = editor->editingArea->horizontalScrollBar();
    QScrollBar *vertical = editor->editingArea->verticalScrollBar();
    QVERIFY(horizontal->maximum() > 0);
    horizontal->setValue(horizontal->maximum());
    vertical->setValue(vertical->maximum());
    QVERIFY(vertical->value() > 0);
    drag(editor->box(1), QPoint(40, 40), QPoint(-30, -20));
    QTest::mouseClick(editor->saveButton, Qt::LeftButton);
    QCOMPARE(editor->result(), int(QDialog::Accepted));
    QCOMPARE(plainLines(spreadPath(QStringLiteral("Wide"))).at(2), QByteArray("1370,680,E1\r"));
}

void TestSpreadEditor::arrowKeysMoveTheActiveBox()
{
    Spread spread = spreadWith(3, 0);
    placeAt(spread, {{10, 10}, {200, 10}, {400, 10}});
    QVERIFY(writeSpread(QStringLiteral("Three"), spread));
    auto editor = openEditor(QStringLiteral("Three"));
    QVERIFY(editor);
    QTest::mouseClick(editor->box(1), Qt::LeftButton, {}, QPoint(10, 10));
    const QPoint start = editor->design().at(1).place;
    const QPoint other = editor->design().at(0).place;
    QTest::keyClick(editor.get(), Qt::Key_Right);
    QTest::keyClick(editor.get(), Qt::Key_Right);
    QTest::keyClick(editor.get(), Qt::Key_Up);
    QTest::keyClick(editor.get(), Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(editor.get(), Qt::Key_Left, Qt::ShiftModifier);
    QCOMPARE(editor->design().at(1).place, start + QPoint(-8, 9));
    QCOMPARE(editor->box(1)->pos(), start + QPoint(-8, 9));
    QCOMPARE(editor->design().at(0).place, other);
    // The steps on one box are one undo step.
    QCOMPARE(editor->undoStack()->count(), 1);
    editor->undoStack()->undo();
    QCOMPARE(editor->box(1)->pos(), start);
}

void TestSpreadEditor::addAndDeleteRenumber()
{
    Spread spread = spreadWith(4, 1);
    placeAt(spread, {{10, 10}, {200, 10}, {400, 10}, {10, 300}});
    QVERIFY(writeSpread(QStringLiteral("Four"), spread));
    auto editor = openEditor(QStringLiteral("Four"));
    QVERIFY(editor);
    QTest::mouseClick(editor->box(1), Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseClick(editor->deleteButton, Qt::LeftButton);
    QCOMPARE(boxLabels(*editor), (QStringList{"S1. ", "1. ", "2. "}));
    QCOMPARE(editor->design().at(1).explanation, QByteArray("E2"));
    QCOMPARE(editor->design().at(2).explanation, QByteArray("E3"));
    QCOMPARE(editor->activePosition(), 1);
    QVERIFY(editor->box(1)->isActive());
    QCOMPARE(editor->findChildren<PositionBox *>().size(), 3);

    QTest::mouseClick(editor->addButton, Qt::LeftButton);
    QCOMPARE(boxLabels(*editor), (QStringList{"S1. ", "1. ", "2. ", "3. "}));
    QCOMPARE(editor->activePosition(), 3);
    // The new box lies in view and over no other box.
    const QRect added = editor->box(3)->geometry();
    QVERIFY(QRect(QPoint(0, 0), Area).contains(added));
    for (int i = 0; i < 3; ++i)
        QVERIFY(!editor->box(i)->geometry().intersects(added));
    QVERIFY(editor->design().at(3).explanation.isEmpty());

    // Deleting the last one leaves its predecessor active; deleting all
    // leaves nothing to explain or delete.
    for (int i = 0; i < 4; ++i)
        QTest::mouseClick(editor->deleteButton, Qt::LeftButton);
    QCOMPARE(editor->design().count(), 0);
    QVERIFY(!editor->deleteButton->isEnabled());
    QVERIFY(!editor->explanationButton->isEnabled());
    QTest::mouseClick(editor->explanationButton, Qt::LeftButton);
}

void TestSpreadEditor::significatorBoxMovesThePosition()
{
    QVERIFY(writeSpread(QStringLiteral("Four"), spreadWith(4, 1)));
    auto editor = openEditor(QStringLiteral("Four"));
    QVERIFY(editor);
    expectExplanation(m_interaction, {}, true);
    rightClick(editor->box(3));
    QCOMPARE(boxLabels(*editor), (QStringList{"S1. ", "S2. ", "1. ", "2. "}));
    QCOMPARE(editor->activePosition(), 1);
    QCOMPARE(editor->design().at(1).explanation,
             m_texts.string(UiText::ExplanationDefault).toUtf8());
    QCOMPARE(editor->design().at(2).explanation, QByteArray("E1"));

    // Unchecked, the first significator leads the ordinary positions.
    expectExplanation(m_interaction, QStringLiteral("Querent's hope"));
    rightClick(editor->box(0));
    QCOMPARE(boxLabels(*editor), (QStringList{"S1. ", "1. ", "2. ", "3. "}));
    QCOMPARE(editor->activePosition(), 1);
    QCOMPARE(editor->design().at(1).explanation, QByteArray("Querent's hope"));
    QTest::mouseClick(editor->saveButton, Qt::LeftButton);
    QCOMPARE(editor->result(), int(QDialog::Accepted));
    Spread saved;
    QCOMPARE(saved.load(spreadPath(QStringLiteral("Four"))), Spread::LoadResult::Loaded);
    QCOMPARE(saved.significatorCount(), 1);
    QVERIFY(saved.positions.at(0).significator);
    QCOMPARE(saved.explanation(1), QByteArray("Querent's hope"));
}

void TestSpreadEditor::undoAndRedoEveryChange()
{
    QVERIFY(writeSpread(QStringLiteral("Three"), spreadWith(3, 0)));
    auto editor = openEditor(QStringLiteral("Three"));
    QVERIFY(editor);
    QVERIFY(QTest::qWaitForWindowActive(editor.get()));
    const auto original = editor->design();
    drag(editor->box(0), QPoint(5, 5), QPoint(40, 0));
    expectExplanation(m_interaction, QStringLiteral("Changed"));
    rightClick(editor->box(1));
    QTest::mouseClick(editor->deleteButton, Qt::LeftButton);
    QTest::mouseClick(editor->addButton, Qt::LeftButton);
    QCOMPARE(editor->undoStack()->count(), 4);
    const auto changed = editor->design();

    for (int i = 0; i < 4; ++i)
        QTest::keyClick(editor.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(editor->design(), original);
    QCOMPARE(editor->box(0)->pos(), original.at(0).place);
    QCOMPARE(boxLabels(*editor), (QStringList{"1. ", "2. ", "3. "}));
    QCOMPARE(editor->box(1)->toolTip(), QStringLiteral("E1"));

    for (int i = 0; i < 4; ++i)
        QTest::keyClick(editor.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(editor->design(), changed);
    QCOMPARE(editor->design().at(1).explanation, QByteArray("E2"));
    QCOMPARE(editor->box(0)->pos(), original.at(0).place + QPoint(40, 0));
}

void TestSpreadEditor::saveRefusesIncompleteSpreads()
{
    auto editor = openEditor(QString());
    QVERIFY(editor);
    QCOMPARE(editor->windowTitle(), m_texts.string(UiText::NewSpreadCaption));
    QTest::mouseClick(editor->saveButton, Qt::LeftButton);
    QCOMPARE(m_interaction.messages, QStringList{m_texts.string(UiText::SpreadHasNoPositions)});
    QVERIFY(editor->isVisible());

    Spread spread = spreadWith(6, 1);
    spread.positions[2].explanation.clear();
    spread.positions[5].explanation.clear();
    QVERIFY(writeSpread(QStringLiteral("Gaps"), spread));
    QByteArray before;
    QVERIFY(WholeFile::read(spreadPath(QStringLiteral("Gaps")), before));
    auto gaps = openEditor(QStringLiteral("Gaps"));
    QVERIFY(gaps);
    QTest::mouseClick(gaps->saveButton, Qt::LeftButton);
    QCOMPARE(m_interaction.messages.last(),
             m_texts.string(UiText::PositionsWithoutExplanation) + QStringLiteral("2, 5."));
    QVERIFY(gaps->isVisible());
    QByteArray after;
    QVERIFY(WholeFile::read(spreadPath(QStringLiteral("Gaps")), after));
    QCOMPARE(after, before);
}

void TestSpreadEditor::saveUnchangedRewritesTheSameSpread()
{
    Spread spread = spreadWith(3, 1);
    placeAt(spread, {{10, 20}, {110, 20}, {210, -5}});
    spread.positions[2].explanation = "Outcome, in time";
    QVERIFY(writeSpread(QStringLiteral("Same"), spread));
    const QList<QByteArray> before = plainLines(spreadPath(QStringLiteral("Same")));
    QCOMPARE(before.size(), 5);
    for (int round = 0; round < 2; ++round) {
        auto editor = openEditor(QStringLiteral("Same"));
        QVERIFY(editor);
        // Asked to move the spread off its negative place: kept as it is.
        m_interaction.answers.push_back(false);
        QTest::mouseClick(editor->saveButton, Qt::LeftButton);
        QCOMPARE(editor->result(), int(QDialog::Accepted));
        QCOMPARE(editor->savedName(), QStringLiteral("Same"));
        QCOMPARE(plainLines(spreadPath(QStringLiteral("Same"))), before);
    }
}

void TestSpreadEditor::leavingWithChangesAsks_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("changed");
    // -1: no question; else Save, Discard or Cancel.
    QTest::addColumn<int>("choice");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("written");
    for (const char *way : {"cancel", "escape", "close"}) {
        QTest::addRow("%s unchanged", way) << way << false << -1 << true << false;
        QTest::addRow("%s, discard", way) << way << true << 1 << true << false;
        QTest::addRow("%s, stay", way) << way << true << 2 << false << false;
    }
    QTest::newRow("escape, save") << "escape" << true << 0 << true << true;
    // Undone back to the file's design: nothing to lose.
    QTest::newRow("escape after undo") << "undo" << true << -1 << true << false;
}

void TestSpreadEditor::leavingWithChangesAsks()
{
    QFETCH(QString, way);
    QFETCH(bool, changed);
    QFETCH(int, choice);
    QFETCH(bool, closed);
    QFETCH(bool, written);
    QVERIFY(writeSpread(QStringLiteral("Three"), spreadWith(3, 0)));
    QByteArray before;
    QVERIFY(WholeFile::read(spreadPath(QStringLiteral("Three")), before));
    auto editor = openEditor(QStringLiteral("Three"));
    QVERIFY(editor);
    if (changed)
        drag(editor->box(0), QPoint(5, 5), QPoint(30, 30));
    QString question;
    if (choice >= 0)
        answerQuestion(m_interaction, choice, &question);
    if (way == QLatin1String("undo")) {
        editor->undoStack()->undo();
        QTest::keyClick(editor.get(), Qt::Key_Escape);
    } else if (way == QLatin1String("escape")) {
        QTest::keyClick(editor.get(), Qt::Key_Escape);
    } else if (way == QLatin1String("close")) {
        editor->close();
    } else {
        QTest::mouseClick(editor->cancelButton, Qt::LeftButton);
    }
    QCOMPARE(question, choice >= 0 ? m_texts.string(UiText::UnsavedSpreadQuestion) : QString());
    QCOMPARE(editor->isVisible(), !closed);
    if (closed)
        QCOMPARE(editor->result(), int(written ? QDialog::Accepted : QDialog::Rejected));
    QByteArray after;
    QVERIFY(WholeFile::read(spreadPath(QStringLiteral("Three")), after));
    QCOMPARE(after != before, written);
}

void TestSpreadEditor::exactlyOneBoxIsActive()
{
    // Three boxes added, the first clicked: one red outline, on the first.
    auto editor = openEditor(QString());
    QVERIFY(editor);
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(editor->addButton, Qt::LeftButton);
    QCOMPARE(redBoxes(*editor), QList<int>{2});
    QTest::mouseClick(editor->box(0), Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(redBoxes(*editor), QList<int>{0});
    QCOMPARE(editor->activePosition(), 0);
    // Undo and redo redraw every box, so still only one is red.
    editor->undoStack()->undo();
    QCOMPARE(redBoxes(*editor), QList<int>{1});
}

void TestSpreadEditor::keyboardActsOnTheActiveBox()
{
    QVERIFY(writeSpread(QStringLiteral("Three"), spreadWith(3, 0)));
    auto editor = openEditor(QStringLiteral("Three"));
    QVERIFY(editor);
    QVERIFY(QTest::qWaitForWindowActive(editor.get()));
    editor->setFocus();
    QCOMPARE(editor->activePosition(), 2);
    QVERIFY(editor->box(2)->hasFocusRing());
    // Tab and Shift+Tab go round the boxes.
    QTest::keyClick(editor.get(), Qt::Key_Tab);
    QCOMPARE(editor->activePosition(), 0);
    QVERIFY(editor->box(0)->hasFocusRing() && !editor->box(2)->hasFocusRing());
    QTest::keyClick(editor.get(), Qt::Key_Backtab);
    QCOMPARE(editor->activePosition(), 2);
    // Enter explains the active box.
    expectExplanation(m_interaction, QStringLiteral("Typed"));
    QTest::keyClick(editor.get(), Qt::Key_Return);
    QCOMPARE(editor->design().at(2).explanation, QByteArray("Typed"));
    // Delete asks before an explanation goes; declined, nothing changes.
    m_interaction.answers = {false, true};
    QTest::keyClick(editor.get(), Qt::Key_Delete);
    QCOMPARE(editor->design().count(), 3);
    QTest::keyClick(editor.get(), Qt::Key_Delete);
    QCOMPARE(editor->design().count(), 2);
    QCOMPARE(m_interaction.questions,
             (QStringList{m_texts.string(UiText::DeletePositionQuestion).arg(3),
                          m_texts.string(UiText::DeletePositionQuestion).arg(3)}));
    // Insert adds an empty box, which goes without a question.
    QTest::keyClick(editor.get(), Qt::Key_Insert);
    QCOMPARE(editor->design().count(), 3);
    QCOMPARE(editor->activePosition(), 2);
    QTest::keyClick(editor.get(), Qt::Key_Delete);
    QCOMPARE(editor->design().count(), 2);
    QCOMPARE(m_interaction.questions.size(), 2);
    QCOMPARE(redBoxes(*editor), QList<int>{1});
}

void TestSpreadEditor::boxesAcrossAndThePreviewShowTheTable()
{
    // A crossing card is drawn across in the editor; a cascade is not.
    Spread spread = spreadWith(6, 0);
    placeAt(spread, {{322, 206}, {352, 222}, {600, 50}, {645, 70}, {690, 90}, {100, 300}});
    QVERIFY(writeSpread(QStringLiteral("Mixed"), spread));
    auto editor = openEditor(QStringLiteral("Mixed"));
    QVERIFY(editor);
    for (int i = 0; i < 6; ++i) {
        const QRect box = editor->box(i)->geometry();
        QCOMPARE(box.width() > box.height(), i == 1);
    }
    QCOMPARE(editor->box(1)->geometry().center(),
             editor->box(0)->geometry().center() + QPoint(30, 16));

    // The preview takes the area's place while its button is down.
    QTest::mouseClick(editor->previewButton, Qt::LeftButton);
    QCOMPARE(editor->editingArea->widget(), editor->preview);
    QVERIFY(editor->preview->isVisible() && !editor->box(0)->isVisible());
    QTest::mouseClick(editor->previewButton, Qt::LeftButton);
    QCOMPARE(editor->editingArea->widget(), editor->canvas);
    QVERIFY(editor->box(0)->isVisible());
}

void TestSpreadEditor::negativePlacesScrollAndShiftOnlyWhenAsked()
{
    for (const bool shift : {true, false}) {
        Spread spread = spreadWith(2, 0);
        placeAt(spread, {{-100, 100}, {200, -30}});
        QVERIFY(writeSpread(QStringLiteral("Left"), spread));
        auto editor = openEditor(QStringLiteral("Left"));
        QVERIFY(editor);
        // The surface starts at the furthest box, so both can be reached.
        QCOMPARE(editor->origin(), QPoint(-100, -30));
        QCOMPARE(editor->box(0)->pos(), QPoint(0, 130));
        editor->editingArea->horizontalScrollBar()->setValue(0);
        QVERIFY(editor->box(0)->visibleRegion().boundingRect().width() > 0);
        m_interaction.answers.push_back(shift);
        QTest::mouseClick(editor->saveButton, Qt::LeftButton);
        QCOMPARE(m_interaction.questions.last(), m_texts.string(UiText::ShiftSpreadQuestion));
        const QList<QByteArray> lines = plainLines(spreadPath(QStringLiteral("Left")));
        QCOMPARE(lines.mid(1, 2), shift ? (QList<QByteArray>{"0,130,E0\r", "300,0,E1\r"})
                                        : (QList<QByteArray>{"-100,100,E0\r", "200,-30,E1\r"}));
    }
}

void TestSpreadEditor::positionListEditsAndReorders()
{
    QVERIFY(writeSpread(QStringLiteral("Four"), spreadWith(4, 1)));
    auto editor = openEditor(QStringLiteral("Four"));
    QVERIFY(editor);
    PositionList *list = editor->positionList;
    QCOMPARE(list->count(), 4);
    QCOMPARE(list->item(2)->text(), QStringLiteral("E2"));
    QCOMPARE(list->currentRow(), 3);
    // The significator's explanation is the fixed text, not edited here.
    QVERIFY(!(list->item(0)->flags() & Qt::ItemIsEditable));

    // Choosing a row makes its box active; Ctrl+Up moves it up the order.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(2)).center());
    QCOMPARE(editor->activePosition(), 2);
    QTest::keyClick(list, Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(editor->design().at(1).explanation, QByteArray("E2"));
    QCOMPARE(editor->activePosition(), 1);
    // Never above the significator.
    QTest::keyClick(list, Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(editor->design().at(0).explanation, QByteArray("E0"));
    QCOMPARE(list->item(1)->text(), QStringLiteral("E2"));

    // An explanation edited in place is the position's new explanation.
    list->setCurrentRow(3);
    list->editItem(list->item(3));
    auto *field = list->findChild<QLineEdit *>();
    QVERIFY(field);
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("Outcome"));
    QTest::keyClick(field, Qt::Key_Return);
    QTRY_COMPARE(editor->design().at(3).explanation, QByteArray("Outcome"));
    QCOMPARE(editor->box(3)->toolTip(), QStringLiteral("Outcome"));
    QCOMPARE(editor->undoStack()->count(), 2);
}

void TestSpreadEditor::changedCountsKeepSavedReadings_data()
{
    QTest::addColumn<int>("choice");
    QTest::addColumn<QString>("savedName");
    QTest::newRow("save as a new spread") << 0 << QStringLiteral("Four again");
    QTest::newRow("replace anyway") << 1 << QStringLiteral("Four");
    QTest::newRow("cancel") << 2 << QString();
}

void TestSpreadEditor::changedCountsKeepSavedReadings()
{
    QFETCH(int, choice);
    QFETCH(QString, savedName);
    QVERIFY(writeSpread(QStringLiteral("Four"), spreadWith(4, 0)));
    QByteArray before;
    QVERIFY(WholeFile::read(spreadPath(QStringLiteral("Four")), before));
    ReadingFile reading;
    reading.spreadName = "four";
    for (quint32 card = 0; card < 78; ++card)
        reading.cards.append({card, false});
    reading.positions = {1, 2, 3, 4};
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("Saved/2026")));
    QVERIFY(reading.save(m_dir->path() + QStringLiteral("/Saved/2026/a.reading")));
    QVERIFY(reading.save(m_dir->path() + QStringLiteral("/Saved/b.reading")));

    auto editor = openEditor(QStringLiteral("Four"));
    QVERIFY(editor);
    // One position fewer: the two readings would no longer open with it.
    QTest::mouseClick(editor->deleteButton, Qt::LeftButton);
    QString question;
    answerQuestion(m_interaction, choice, &question);
    // The original's name is refused for the new spread.
    if (choice == 0) {
        expectName(m_interaction, QStringLiteral("Four"));
        expectName(m_interaction, QStringLiteral("  Four again "));
    }
    QTest::mouseClick(editor->saveButton, Qt::LeftButton);
    QCOMPARE(question, m_texts.string(UiText::ReadingsUseSpread).arg(2));
    QCOMPARE(editor->savedName(), savedName);
    QByteArray after;
    QVERIFY(WholeFile::read(spreadPath(QStringLiteral("Four")), after));
    QCOMPARE(after == before, choice != 1);
    if (!savedName.isEmpty()) {
        Spread saved;
        QCOMPARE(saved.load(spreadPath(savedName)), Spread::LoadResult::Loaded);
        QCOMPARE(saved.positionCount(), 3);
    }
}

void TestSpreadEditor::newSpreadNameIsChecked()
{
    auto editor = openEditor(QString());
    QVERIFY(editor);
    QTest::mouseClick(editor->addButton, Qt::LeftButton);
    expectExplanation(m_interaction, QStringLiteral("Past"));
    QTest::mouseClick(editor->explanationButton, Qt::LeftButton);
    for (const QString &bad :
         {QStringLiteral("a/b"), QStringLiteral(".hidden"), QStringLiteral("a\\b"), QString(),
          QStringLiteral("tab\there"), QString(300, QLatin1Char('n'))})
        expectName(m_interaction, bad);
    expectName(m_interaction, QStringLiteral("  Fresh  "));
    QTest::mouseClick(editor->saveButton, Qt::LeftButton);
    const QString notAFileName = m_texts.string(UiText::SpreadNameNotAFileName);
    QCOMPARE(m_interaction.messages,
             (QStringList{notAFileName, notAFileName, notAFileName,
                          m_texts.string(UiText::SpreadNameEmpty),
                          m_texts.string(UiText::SpreadNameControlCharacter),
                          m_texts.string(UiText::SpreadNameTooLong)}));
    QCOMPARE(editor->result(), int(QDialog::Accepted));
    QCOMPARE(editor->savedName(), QStringLiteral("Fresh"));
    QCOMPARE(QDir(m_dir->path() + QStringLiteral("/Spreads")).entryList(QDir::Files),
             QStringList{"Fresh.spread"});
    QCOMPARE(plainLines(spreadPath(QStringLiteral("Fresh"))),
             (QList<QByteArray>{"1\r", "8,8,Past\r", ""}));
}

void TestSpreadEditor::replacingAskedAndFailedWriteKeepsEditorOpen()
{
    QVERIFY(writeSpread(QStringLiteral("Taken"), spreadWith(2, 0)));
    QByteArray before;
    QVERIFY(WholeFile::read(spreadPath(QStringLiteral("Taken")), before));
    auto editor = openEditor(QString());
    QVERIFY(editor);
    QTest::mouseClick(editor->addButton, Qt::LeftButton);
    expectExplanation(m_interaction, QStringLiteral("Now"));
    QTest::mouseClick(editor->explanationButton, Qt::LeftButton);

    // Declining to replace asks for another name; cancelling it saves nothing.
    expectName(m_interaction, QStringLiteral("Taken"));
    m_interaction.answers.push_back(false);
    m_interaction.expectDialog([](QDialog &) { return int(QDialog::Rejected); });
    QTest::mouseClick(editor->saveButton, Qt::LeftButton);
    QCOMPARE(m_interaction.questions,
             QStringList{m_texts.string(UiText::SpreadNameTaken) + QLatin1Char(' ') +
                         m_texts.string(UiText::ReplaceSpreadQuestion)});
    QVERIFY(editor->isVisible());
    QByteArray after;
    QVERIFY(WholeFile::read(spreadPath(QStringLiteral("Taken")), after));
    QCOMPARE(after, before);

    // A folder where the file should go: the write fails, is reported with
    // the path, and the editor stays open with the design as it was.
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("Spreads/Blocked.spread")));
    expectName(m_interaction, QStringLiteral("Blocked"));
    m_interaction.answers.push_back(true);
    const SpreadDesign design = editor->design();
    QTest::mouseClick(editor->saveButton, Qt::LeftButton);
    QCOMPARE(m_interaction.messages.size(), 1);
    QVERIFY(m_interaction.messages.first().startsWith(m_texts.string(UiText::SpreadNotSaved)));
    QVERIFY(m_interaction.messages.first().contains(spreadPath(QStringLiteral("Blocked"))));
    QVERIFY(editor->isVisible());
    QCOMPARE(editor->savedName(), QString());
    QCOMPARE(editor->design(), design);

    // Then a good name saves.
    expectName(m_interaction, QStringLiteral("Open"));
    QTest::mouseClick(editor->saveButton, Qt::LeftButton);
    QCOMPARE(editor->result(), int(QDialog::Accepted));
    QVERIFY(QFileInfo::exists(spreadPath(QStringLiteral("Open"))));
}

void TestSpreadEditor::windowLayout()
{
    auto editor = openEditor(QStringLiteral("None"));
    QVERIFY(editor);
    // The file is missing: said, and the editor opens empty.
    QVERIFY(!editor->loadFault().isEmpty());
    QCOMPARE(editor->design().count(), 0);
    // The area, then the positions list beside it.
    QCOMPARE(editor->size(), QSize(1150, 633));
    QCOMPARE(editor->editingArea->geometry(), QRect(16, 16, 850, 560));
    QCOMPARE(editor->positionList->geometry().left(), 874);
    QCOMPARE(editor->saveButton->mapTo(editor.get(), QPoint()), QPoint(948, 592));
    QCOMPARE(editor->cancelButton->mapTo(editor.get(), QPoint()), QPoint(1053, 592));
    QCOMPARE(editor->addButton->y(), 592);
    QCOMPARE(editor->explanationButton->y(), 592);
}

void TestSpreadEditor::menuCommandsOpenTheEditor()
{
    TableFixture fixture;
    QVERIFY(fixture.setUp());
    QVERIFY(fixture.copyLanguage(QStringLiteral("English")));
    QVERIFY(fixture.copySpreads());
    auto table = fixture.startTable();
    QVERIFY(table);
    ScriptedInteraction &interaction = fixture.interaction;
    const QStringList before = table->programData().spreadNames();
    QVERIFY(!before.isEmpty());
    const QString edited = before.last();

    // F4: choose, then edit; Save rewrites the chosen spread.
    QString chooserTitle;
    interaction.expectDialog<SpreadChooser>([&](SpreadChooser &chooser) {
        chooserTitle = chooser.windowTitle();
        chooser.spreadList->setCurrentItem(
            chooser.spreadList->findItems(edited, Qt::MatchExactly).first());
        QTest::mouseClick(chooser.okButton, Qt::LeftButton);
        return chooser.result();
    });
    QSize editorSize;
    interaction.expectDialog<SpreadEditor>([&](SpreadEditor &editor) {
        editor.show();
        editorSize = editor.size();
        QTest::mouseClick(editor.saveButton, Qt::LeftButton);
        return editor.result();
    });
    QAction *edit = TableSteps::action(*table, "editSpreadAction");
    QCOMPARE(edit->shortcut(), QKeySequence(Qt::Key_F4));
    edit->trigger();
    QCOMPARE(chooserTitle, table->programData().uiText(UiText::SelectSpreadCaption) +
                               table->programData().uiText(UiText::SelectSpreadToEdit));
    // The editor fits on the screen, its area scrolling where the table's is wider.
    QVERIFY(
        QRect(QPoint(), table->screen()->availableSize()).contains(QRect(QPoint(), editorSize)));

    // F3: a new spread, named on saving, is offered at once in its place.
    QRect previewed;
    interaction.expectDialog<SpreadEditor>([&](SpreadEditor &editor) {
        editor.show();
        QTest::mouseClick(editor.addButton, Qt::LeftButton);
        expectExplanation(interaction, QStringLiteral("Where it stands"));
        QTest::mouseClick(editor.explanationButton, Qt::LeftButton);
        QTest::mouseClick(editor.previewButton, Qt::LeftButton);
        previewed = editor.preview->positionRect(0);
        expectName(interaction, QStringLiteral("Aardvark"));
        QTest::mouseClick(editor.saveButton, Qt::LeftButton);
        return editor.result();
    });
    QAction *create = TableSteps::action(*table, "createSpreadAction");
    QCOMPARE(create->shortcut(), QKeySequence(Qt::Key_F3));
    create->trigger();
    QStringList offered;
    interaction.expectDialog<SpreadChooser>([&](SpreadChooser &chooser) {
        for (int i = 0; i < chooser.spreadList->count(); ++i)
            offered.append(chooser.spreadList->item(i)->text());
        return int(QDialog::Rejected);
    });
    TableSteps::action(*table, "startAction")->trigger();
    QStringList expected = before;
    expected.append(QStringLiteral("Aardvark"));
    SpreadList::arrange(expected);
    QCOMPARE(offered, expected);
    // And it is laid on the table like any other.
    TableSteps::startReading(*table, interaction, QStringLiteral("Aardvark"));
    QCOMPARE(table->session().spreadName(), QStringLiteral("Aardvark"));
    QCOMPARE(table->session().spread().positionCount(), 1);
    // Where the preview showed it.
    QVERIFY(TableSteps::positionImage(*table, 0));
    QCOMPARE(TableSteps::positionImage(*table, 0)->geometry(), previewed);
    QCOMPARE(interaction.problems(), QStringList());
    QCOMPARE(interaction.messages, QStringList());
}

QTEST_MAIN(TestSpreadEditor)
#include "test_SpreadEditor.moc"
