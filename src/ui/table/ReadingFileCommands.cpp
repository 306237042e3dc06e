#include "ui/table/ReadingFileCommands.h"

#include "core/app/Preferences.h"
#include "core/app/ProgramData.h"
#include "core/journal/JournalKeeper.h"
#include "core/lang/UiText.h"
#include "core/readings/ReadingFile.h"
#include "core/readings/ReadingOpenPlan.h"
#include "core/table/ReadingSession.h"
#include "ui/common/Interaction.h"
#include "ui/common/UnreadFileIcons.h"
#include "ui/readings/CommentsWindow.h"
#include "ui/readings/ExtraCardWarning.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>

ReadingFileCommands::ReadingFileCommands(QWidget *window, const DialogContext &context,
                                         ReadingSession &session, QObject *parent)
    : QObject(parent)
    , m_window(window)
    , m_interaction(context.interaction)
    , m_data(context.data)
    , m_preferences(context.preferences)
    , m_session(session)
{
    // Comments kept from a failed save belong to the reading they were typed for.
    connect(&m_session, &ReadingSession::spreadLaid, this, [this] { m_unsavedComments.clear(); });
    // Completed readings go to the journal too, when the user wants it so.
    auto *keeper = new JournalKeeper(m_session, m_data.roots(), m_preferences, this);
    connect(keeper, &JournalKeeper::keepFailed, this, [this](const QString &reason) {
        m_interaction.showMessage(m_window, m_data.uiText(UiText::JournalNotKept) +
                                                QLatin1Char('\n') + reason);
    });
}

QString ReadingFileCommands::chooseFile(bool saving, const QString &proposedName)
{
    QFileDialog dialog(m_window);
    dialog.setObjectName(saving ? QStringLiteral("saveReadingDialog")
                                : QStringLiteral("openReadingDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    UnreadFileIcons icons;
    dialog.setIconProvider(&icons);
    dialog.setNameFilter(m_data.uiText(UiText::ReadingFilesFilter));
    dialog.setDefaultSuffix(QStringLiteral("reading"));
    dialog.setDirectory(m_data.readingsDir());
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

void ReadingFileCommands::save()
{
    if (!m_session.isComplete()) {
        m_interaction.showMessage(m_window, m_data.uiText(UiText::ReadingIncomplete));
        return;
    }
    CommentsWindow comments(m_data.uiTexts(), m_window);
    comments.commentsEdit->setPlainText(m_unsavedComments);
    const QRect frame = m_window->geometry();
    comments.move(frame.x() + (frame.width() - comments.width()) / 2,
                  frame.y() + (frame.height() - comments.height()) / 2);
    const bool commented = m_interaction.execDialog(comments) == QDialog::Accepted;
    // What was typed waits for the next attempt until a save succeeds.
    m_unsavedComments = commented ? comments.commentsEdit->toPlainText() : QString();
    m_preferences.setReportComments(m_unsavedComments);
    const QByteArray text = ReadingFile::commentsFromMemo(m_unsavedComments);

    const QString path =
        chooseFile(true, ReadingFile::proposedFileName(QDate::currentDate(), QLocale::system(),
                                                       m_data.deck79(), m_session.spreadName()));
    if (path.isEmpty())
        return;
    QString reason;
    if (!m_session.toReadingFile(text).save(path, &reason)) {
        m_interaction.showMessage(
            m_window, m_data.uiText(UiText::ReadingNotWritten) +
                          QStringLiteral("\n%1: %2").arg(QDir::toNativeSeparators(path), reason));
        return;
    }
    m_unsavedComments.clear();
}

bool ReadingFileCommands::open()
{
    const QString path = chooseFile(false, QString());
    return !path.isEmpty() && openFile(path);
}

bool ReadingFileCommands::openFile(const QString &path)
{
    const ReadingOpenPlan plan =
        ReadingOpenPlan::fromFile(path, {m_data.roots(), m_data.spreadNames(), m_data.deck79(),
                                         m_preferences.majorOnly(), m_preferences.language()});
    switch (plan.result) {
    case ReadingOpenPlan::Outcome::Ready:
        break;
    case ReadingOpenPlan::Outcome::EmptyFile:
        return false;
    case ReadingOpenPlan::Outcome::NeedsDeck79: {
        ExtraCardWarning warning(plan.message(m_data.uiTexts()), m_data.uiTexts(), m_window);
        m_interaction.execDialog(warning);
        return false;
    }
    default:
        m_interaction.showMessage(m_window, plan.message(m_data.uiTexts()));
        return false;
    }

    m_session.openReading(plan);
    if (plan.reading.comments.isEmpty()) {
        hideComments();
        return true;
    }
    CommentsWindow &comments = openedComments();
    comments.commentsEdit->setPlainText(
        ReadingFile::commentsForMemo(plan.reading.comments, m_preferences.language()));
    // At the top right of the table, where it hides the least of the spread.
    comments.move(m_window->width() - comments.width(), 0);
    comments.show();
    m_window->activateWindow();
    return true;
}

void ReadingFileCommands::hideComments()
{
    if (m_openedComments)
        m_openedComments->hide();
}

void ReadingFileCommands::retranslate(const UiTextTable &texts)
{
    if (m_openedComments)
        m_openedComments->retranslate(texts);
}

CommentsWindow &ReadingFileCommands::openedComments()
{
    if (!m_openedComments) {
        m_openedComments = new CommentsWindow(m_data.uiTexts(), m_window);
        m_openedComments->setObjectName(QStringLiteral("openedCommentsWindow"));
        m_openedComments->setWindowFlag(Qt::WindowStaysOnTopHint);
        m_openedComments->noCommentsButton->hide();
        m_openedComments->centreOkButton();
    }
    return *m_openedComments;
}
