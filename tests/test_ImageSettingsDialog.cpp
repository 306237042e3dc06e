// Checks the image settings dialog: it mirrors the detail window's layout,
// refuses sizes that are not whole numbers, keeps the text field's panel at
// the right edge, and hands its values to the table only on Save.
#include "ScriptedInteraction.h"
#include "core/app/TableState.h"
#include "ui/cards/ImageSettingsDialog.h"
#include "ui/cards/ResizablePanel.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class TestResize : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void opensWithStateAndFollowsResizing();
    void badNumbersKeepThePreview();
    void saveCopiesEverythingBack();
    void cancelChangesNothing();

private:
    std::unique_ptr<ImageSettingsDialog> openDialog();

    TableState m_state;
    ScriptedInteraction m_interaction;
};

void TestResize::init()
{
    m_interaction = ScriptedInteraction();
    m_state = TableState();
    QList<QByteArray> texts;
    for (int i = 0; i < 139; ++i)
        texts << "T" + QByteArray::number(i);
    m_state.UiTexts.replace(texts);
}

void TestResize::cleanup()
{
    QVERIFY2(m_interaction.unexpectedDialogs.isEmpty(),
             qPrintable(m_interaction.unexpectedDialogs.join(QLatin1Char(','))));
}

std::unique_ptr<ImageSettingsDialog> TestResize::openDialog()
{
    auto dialog = std::make_unique<ImageSettingsDialog>(m_state, m_interaction);
    dialog->show();
    if (!QTest::qWaitForWindowExposed(dialog.get()))
        return nullptr;
    return dialog;
}

void TestResize::opensWithStateAndFollowsResizing()
{
    m_state.KeepStraight = true;
    m_state.KeepActual = false;
    auto dialog = openDialog();
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("T46"));
    QCOMPARE(dialog->BitBtn3->text(), QStringLiteral("T50"));
    QCOMPARE(dialog->FreePanel1->caption(), QStringLiteral("T51"));
    QCOMPARE(dialog->FreePanel1->minimumDragSize(), QSize(0, 0));
    QVERIFY(dialog->CheckBox1->isChecked());
    QVERIFY(!dialog->CheckBox2->isChecked());
    QCOMPARE(dialog->Edit1->text(), QStringLiteral("200"));
    QCOMPARE(dialog->Edit2->text(), QStringLiteral("290"));
    QCOMPARE(dialog->size(), QSize(532, 479));
    QCOMPARE(dialog->Preview->geometry(), QRect(24, 80, 200, 290));
    QCOMPARE(dialog->FreePanel1->geometry(), QRect(532 - 229 - 29, 88, 229, 248));

    dialog->resize(640, 520);
    QCOMPARE(dialog->CheckBox1->pos(), QPoint(640 - 214, 520 - 130));
    QCOMPARE(dialog->CheckBox2->pos(), QPoint(640 - 214, 520 - 100));
    QCOMPARE(dialog->BitBtn1->pos(), QPoint(640 - 126, 520 - 70));
    QCOMPARE(dialog->BitBtn2->pos(), QPoint(640 - 222, 520 - 70));
    QCOMPARE(dialog->FreePanel1->geometry(), QRect(640 - 229 - 29, 88, 229, 248));

    // Dragging the panel's bottom-right corner keeps it against the right edge.
    ResizablePanel *panel = dialog->FreePanel1;
    QTest::mousePress(panel, Qt::LeftButton, {}, QPoint(227, 246));
    QTest::mouseMove(panel, QPoint(247, 266));
    QTest::mouseRelease(panel, Qt::LeftButton, {}, QPoint(247, 266));
    QCOMPARE(panel->geometry(), QRect(640 - 249 - 29, 88, 249, 268));
}

void TestResize::badNumbersKeepThePreview()
{
    auto dialog = openDialog();
    QVERIFY(dialog);
    const QStringList bad{QStringLiteral("12a"), QString(), QStringLiteral("0"),
                          QStringLiteral("-40")};
    for (const QString &width : bad) {
        dialog->Edit1->setText(width);
        dialog->Edit2->setText(QStringLiteral("100"));
        QTest::mouseClick(dialog->BitBtn3, Qt::LeftButton);
        QCOMPARE(dialog->Preview->geometry(), QRect(24, 80, 200, 290));
    }
    dialog->Edit1->setText(QStringLiteral("100"));
    dialog->Edit2->setText(QStringLiteral("1e3"));
    QTest::mouseClick(dialog->BitBtn3, Qt::LeftButton);
    QCOMPARE(m_interaction.messages, QStringList(5, QStringLiteral("T125")));
    QCOMPARE(dialog->Preview->geometry(), QRect(24, 80, 200, 290));

    // Enter in an edit field applies, blanks around the numbers allowed.
    dialog->Edit2->setText(QStringLiteral(" 150 "));
    QTest::keyClick(dialog->Edit2, Qt::Key_Return);
    QCOMPARE(dialog->Preview->geometry(), QRect(24, 80, 100, 150));
    QCOMPARE(m_interaction.messages.size(), 5);
}

void TestResize::saveCopiesEverythingBack()
{
    auto dialog = openDialog();
    QVERIFY(dialog);
    dialog->Edit1->setText(QStringLiteral("150"));
    dialog->Edit2->setText(QStringLiteral("220"));
    QTest::mouseClick(dialog->BitBtn3, Qt::LeftButton);
    // Typed but not applied: Save takes the preview's size, not these.
    dialog->Edit1->setText(QStringLiteral("999"));
    dialog->resize(610, 505);
    dialog->FreePanel1->resize(180, 200);
    dialog->CheckBox1->setChecked(true);
    dialog->CheckBox2->setChecked(false);
    QTest::mouseClick(dialog->BitBtn2, Qt::LeftButton);

    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(QSize(m_state.CardWidth, m_state.CardHeight), QSize(150, 220));
    QCOMPARE(QSize(m_state.DetailWidth, m_state.DetailHeight), QSize(610, 505));
    QCOMPARE(QSize(m_state.MemoWidth, m_state.MemoHeight), QSize(180, 200));
    QVERIFY(m_state.KeepStraight);
    QVERIFY(!m_state.KeepActual);
}

void TestResize::cancelChangesNothing()
{
    const TableState before = m_state;
    const auto sizes = [](const TableState &state) {
        return QList<int>{state.CardWidth, state.CardHeight, state.DetailWidth,  state.DetailHeight,
                          state.MemoWidth, state.MemoHeight, state.KeepStraight, state.KeepActual};
    };
    const auto changeEverything = [](ImageSettingsDialog &dialog) {
        dialog.Edit1->setText(QStringLiteral("120"));
        QTest::mouseClick(dialog.BitBtn3, Qt::LeftButton);
        dialog.resize(700, 600);
        dialog.FreePanel1->resize(100, 100);
        dialog.CheckBox1->setChecked(true);
        dialog.CheckBox2->setChecked(false);
    };

    m_interaction.expectDialog([&](QDialog &dialog) {
        auto &settings = dynamic_cast<ImageSettingsDialog &>(dialog);
        settings.show();
        changeEverything(settings);
        QTest::mouseClick(settings.BitBtn1, Qt::LeftButton);
        return settings.result();
    });
    ImageSettingsDialog::run(m_state, m_interaction, nullptr);
    QCOMPARE(sizes(m_state), sizes(before));

    auto dialog = openDialog();
    QVERIFY(dialog);
    changeEverything(*dialog);
    QTest::keyClick(dialog->Edit2, Qt::Key_Escape);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(sizes(m_state), sizes(before));
}

QTEST_MAIN(TestResize)
#include "test_ImageSettingsDialog.moc"
