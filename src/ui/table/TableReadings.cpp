// Saving the reading on the table to a file and laying a saved one again.
#include "ui/table/TableWindow.h"

#include "core/lang/UiText.h"
#include "core/readings/ReadingFile.h"
#include "core/readings/ReadingOpenPlan.h"
#include "ui/common/Interaction.h"
#include "ui/readings/CommentsWindow.h"
#include "ui/readings/ExtraCardWarning.h"
#include "ui/table/CardImage.h"

#include <QAction>
#include <QDate>
#include <QFileDialog>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>

QString TableWindow::chooseReadingFile(bool saving, const QString &proposedName)
{
    QFileDialog dialog(this);
    dialog.setObjectName(saving ? QStringLiteral("SaveDialog1") : QStringLiteral("OpenDialog1"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(QStringLiteral("Reading files (*.reading)"));
    dialog.setDefaultSuffix(QStringLiteral("reading"));
    dialog.setDirectory(ReadingsDir);
    if (saving) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.selectFile(proposedName);
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (m_interaction.execDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

void TableWindow::Savecurrentreading1Click()
{
    if (!ReadingFile::isComplete(*this)) {
        m_interaction.showMessage(this, uiText(UiText::ReadingIncomplete));
        return;
    }
    CommentsWindow comments(UiTexts, this);
    comments.move(x() + (width() - comments.width()) / 2, y() + (height() - comments.height()) / 2);
    const bool commented = m_interaction.execDialog(comments) == QDialog::Accepted;
    ReportComments = commented ? ReadingFile::commentsFromMemo(comments.commentsEdit->toPlainText())
                               : QByteArray();

    const QString path = chooseReadingFile(
        true,
        ReadingFile::proposedFileName(QDate::currentDate(), QLocale::system(), Deck79, SpreadName));
    if (path.isEmpty())
        return;
    if (!ReadingFile::fromTable(*this, ReportComments).save(path))
        m_interaction.showMessage(this, QString::fromLatin1(ReadingFile::WriteFailedMessage));
}

void TableWindow::Openreading1Click()
{
    const QString path = chooseReadingFile(false, QString());
    if (path.isEmpty())
        return;
    const ReadingOpenPlan plan = ReadingOpenPlan::fromFile(path, *this);
    switch (plan.Result) {
    case ReadingOpenPlan::Outcome::Ready:
        break;
    case ReadingOpenPlan::Outcome::EmptyFile:
        return;
    case ReadingOpenPlan::Outcome::NeedsDeck79: {
        ExtraCardWarning warning(plan.message(UiTexts), UiTexts, this);
        m_interaction.execDialog(warning);
        return;
    }
    default:
        m_interaction.showMessage(this, plan.message(UiTexts));
        return;
    }

    ++m_readingGeneration;
    SpreadName = plan.SpreadName;
    spread.ResetSpread();
    ExtraDrawAllowed = false;
    MakeSpreadAndImages();
    musicForOpenedReading();

    ManualInput = false;
    DeckSize = plan.DeckSize;
    MajorOnly = plan.MajorOnly;
    MajorArcanaonly1->setChecked(MajorOnly);
    showOptionNotice();
    OpenedReading = true;
    Deck::SetCards(Cards, DeckSize, Deck79, UseReverse, width(), Random);
    ExtraCardImage->hide();
    // The cards come from the file: nothing is drawn at random.
    AutoDrawPending = false;
    SpeedButton2Click();

    plan.applyDeck(Cards);
    for (int position = 0; position < plan.PositionSlots.size(); ++position) {
        DrawCard(Cards[plan.prepareSlot(Cards, position)]);
        ShowPosition(position);
    }
    FormPaint();
    PendingSignificators = 0;
    setPrompt(UiTexts.text(UiText::ReadingOpenedPrompt));
    TableReady = true;

    commentsWindow->commentsEdit->setPlainText(ReadingFile::commentsForMemo(plan.Reading.Comments));
    if (plan.Reading.Comments.isEmpty()) {
        commentsWindow->hide();
    } else {
        commentsWindow->show();
        activateWindow();
    }
}
