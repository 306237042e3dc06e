// Checks the image settings dialog: it mirrors the detail window's layout,
// refuses sizes that are not whole numbers, keeps the text field's panel at
// the right edge, and hands its values to the table only on Save.
#include "ScriptedInteraction.h"
#include "core/app/Preferences.h"
#include "core/lang/UiTextTable.h"
#include "ui/cards/ImageSettingsDialog.h"
#include "ui/cards/ResizablePanel.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class TestImageSettingsDialog : public QObject
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

    std::unique_ptr<Preferences> m_preferences;
    UiTextTable m_texts;
    ScriptedInteraction m_interaction;
};

void TestImageSettingsDialog::init()
{
    m_interaction = ScriptedInteraction();
    m_preferences = std::make_unique<Preferences>();
    QList<QByteArray> texts;
    for (int i = 0; i < 139; ++i)
        texts << "T" + QByteArray::number(i);
    m_texts.replace(texts);
}

void TestImageSettingsDialog::cleanup()
{
    QVERIFY2(m_interaction.problems().isEmpty(),
             qPrintable(m_interaction.problems().join(QLatin1Char('\n'))));
}

std::unique_ptr<ImageSettingsDialog> TestImageSettingsDialog::openDialog()
{
    auto dialog = std::make_unique<ImageSettingsDialog>(*m_preferences, m_interaction, m_texts);
    dialog->show();
    if (!QTest::qWaitForWindowExposed(dialog.get()))
        return nullptr;
    return dialog;
}

void TestImageSettingsDialog::opensWithStateAndFollowsResizing()
{
    m_preferences->setKeepStraight(true);
    m_preferences->setKeepActual(false);
    auto dialog = openDialog();
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("T46"));
    QCOMPARE(dialog->applyButton->text(), QStringLiteral("T50"));
    QCOMPARE(dialog->textFieldPanel->caption(), QStringLiteral("T51"));
    QCOMPARE(dialog->textFieldPanel->minimumDragSize(), QSize(0, 0));
    QVERIFY(dialog->keepStraightCheck->isChecked());
    QVERIFY(!dialog->keepActualSizeCheck->isChecked());
    QCOMPARE(dialog->widthEdit->text(), QStringLiteral("200"));
    QCOMPARE(dialog->heightEdit->text(), QStringLiteral("290"));
    QCOMPARE(dialog->size(), QSize(532, 479));
    QCOMPARE(dialog->previewFrame->geometry(), QRect(24, 80, 200, 290));
    QCOMPARE(dialog->textFieldPanel->geometry(), QRect(532 - 229 - 29, 88, 229, 248));

    dialog->resize(640, 520);
    QCOMPARE(dialog->keepStraightCheck->pos(), QPoint(640 - 214, 520 - 130));
    QCOMPARE(dialog->keepActualSizeCheck->pos(), QPoint(640 - 214, 520 - 100));
    QCOMPARE(dialog->cancelButton->mapTo(dialog.get(), QPoint()), QPoint(640 - 126, 520 - 70));
    QCOMPARE(dialog->saveButton->mapTo(dialog.get(), QPoint()), QPoint(640 - 222, 520 - 70));
    QCOMPARE(dialog->textFieldPanel->geometry(), QRect(640 - 229 - 29, 88, 229, 248));

    // Dragging the panel's bottom-right corner keeps it against the right edge.
    ResizablePanel *panel = dialog->textFieldPanel;
    QTest::mousePress(panel, Qt::LeftButton, {}, QPoint(227, 246));
    QTest::mouseMove(panel, QPoint(247, 266));
    QTest::mouseRelease(panel, Qt::LeftButton, {}, QPoint(247, 266));
    QCOMPARE(panel->geometry(), QRect(640 - 249 - 29, 88, 249, 268));
}

void TestImageSettingsDialog::badNumbersKeepThePreview()
{
    auto dialog = openDialog();
    QVERIFY(dialog);
    const QStringList bad{QStringLiteral("12a"), QString(), QStringLiteral("0"),
                          QStringLiteral("-40")};
    for (const QString &width : bad) {
        dialog->widthEdit->setText(width);
        dialog->heightEdit->setText(QStringLiteral("100"));
        QTest::mouseClick(dialog->applyButton, Qt::LeftButton);
        QCOMPARE(dialog->previewFrame->geometry(), QRect(24, 80, 200, 290));
    }
    dialog->widthEdit->setText(QStringLiteral("100"));
    dialog->heightEdit->setText(QStringLiteral("1e3"));
    QTest::mouseClick(dialog->applyButton, Qt::LeftButton);
    QCOMPARE(m_interaction.messages, QStringList(5, QStringLiteral("T125")));
    QCOMPARE(dialog->previewFrame->geometry(), QRect(24, 80, 200, 290));

    // Enter in an edit field applies, blanks around the numbers allowed.
    dialog->heightEdit->setText(QStringLiteral(" 150 "));
    QTest::keyClick(dialog->heightEdit, Qt::Key_Return);
    QCOMPARE(dialog->previewFrame->geometry(), QRect(24, 80, 100, 150));
    QCOMPARE(m_interaction.messages.size(), 5);
}

void TestImageSettingsDialog::saveCopiesEverythingBack()
{
    auto dialog = openDialog();
    QVERIFY(dialog);
    dialog->widthEdit->setText(QStringLiteral("150"));
    dialog->heightEdit->setText(QStringLiteral("220"));
    QTest::mouseClick(dialog->applyButton, Qt::LeftButton);
    // Typed but not applied: Save takes the preview's size, not these.
    dialog->widthEdit->setText(QStringLiteral("999"));
    dialog->resize(610, 505);
    dialog->textFieldPanel->resize(180, 200);
    dialog->keepStraightCheck->setChecked(true);
    dialog->keepActualSizeCheck->setChecked(false);
    QTest::mouseClick(dialog->saveButton, Qt::LeftButton);

    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(QSize(m_preferences->cardWidth(), m_preferences->cardHeight()), QSize(150, 220));
    QCOMPARE(QSize(m_preferences->detailWidth(), m_preferences->detailHeight()), QSize(610, 505));
    QCOMPARE(QSize(m_preferences->meaningPanelWidth(), m_preferences->meaningPanelHeight()),
             QSize(180, 200));
    QVERIFY(m_preferences->keepStraight());
    QVERIFY(!m_preferences->keepActual());
}

void TestImageSettingsDialog::cancelChangesNothing()
{
    const auto sizes = [](const Preferences &state) {
        return QList<int>{state.cardWidth(),         state.cardHeight(),
                          state.detailWidth(),       state.detailHeight(),
                          state.meaningPanelWidth(), state.meaningPanelHeight(),
                          state.keepStraight(),      state.keepActual()};
    };
    const QList<int> before = sizes(*m_preferences);
    const auto changeEverything = [](ImageSettingsDialog &dialog) {
        dialog.widthEdit->setText(QStringLiteral("120"));
        QTest::mouseClick(dialog.applyButton, Qt::LeftButton);
        dialog.resize(700, 600);
        dialog.textFieldPanel->resize(100, 100);
        dialog.keepStraightCheck->setChecked(true);
        dialog.keepActualSizeCheck->setChecked(false);
    };

    auto dialog = openDialog();
    QVERIFY(dialog);
    changeEverything(*dialog);
    QTest::mouseClick(dialog->cancelButton, Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QCOMPARE(sizes(*m_preferences), before);

    dialog = openDialog();
    QVERIFY(dialog);
    changeEverything(*dialog);
    QTest::keyClick(dialog->heightEdit, Qt::Key_Escape);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(sizes(*m_preferences), before);
}

QTEST_MAIN(TestImageSettingsDialog)
#include "test_ImageSettingsDialog.moc"
