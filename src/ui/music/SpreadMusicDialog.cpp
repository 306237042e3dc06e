#include "ui/music/SpreadMusicDialog.h"

#include "core/lang/UiText.h"
#include "core/lang/UiTextTable.h"
#include "ui/common/Interaction.h"
#include "ui/common/OkCancelButtons.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// A name or file wider than this is cut with an ellipsis; the tip shows it whole.
constexpr int LabelWidth = 210;

void setElidedText(QLabel *label, const QString &text)
{
    label->setText(label->fontMetrics().elidedText(text, Qt::ElideMiddle, LabelWidth));
    label->setToolTip(label->text() == text ? QString() : text);
    // A screen reader says the whole name.
    label->setAccessibleName(text);
}

// A key that does what a click on a row's name does.
bool isActivation(QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

} // namespace

SpreadMusicDialog::SpreadMusicDialog(const QStringList &spreadNames, const Places &places,
                                     const UiTextTable &texts, Interaction &interaction,
                                     QWidget *parent)
    : QDialog(parent)
    , m_places(places)
    , m_texts(texts)
    , m_interaction(interaction)
{
    setObjectName(QStringLiteral("SpreadMusicDialog"));
    setWindowTitle(texts.string(UiText::AssociateSpreadsWithMusic));

    auto *rowsWidget = new QWidget;
    rowsWidget->setObjectName(QStringLiteral("rowsWidget"));
    QPalette white = rowsWidget->palette();
    white.setColor(QPalette::Window, Qt::white);
    rowsWidget->setPalette(white);
    rowsWidget->setAutoFillBackground(true);
    auto *grid = new QGridLayout(rowsWidget);
    grid->setColumnMinimumWidth(0, LabelWidth);
    grid->setColumnMinimumWidth(2, LabelWidth);
    grid->setHorizontalSpacing(12);

    const QString text = SpreadMusic::readText(places.associationFile, places.language);
    for (const QString &name : spreadNames) {
        const int row = int(m_rows.size());
        Row entry;
        entry.association = {name, SpreadMusic::lookup(text, name)};
        entry.spreadLabel = new QLabel(rowsWidget);
        entry.spreadLabel->setObjectName(QStringLiteral("spreadLabel%1").arg(row));
        QPalette blue = entry.spreadLabel->palette();
        blue.setColor(QPalette::WindowText, Qt::blue);
        entry.spreadLabel->setPalette(blue);
        QFont underlined = entry.spreadLabel->font();
        underlined.setUnderline(true);
        entry.spreadLabel->setFont(underlined);
        entry.spreadLabel->setCursor(Qt::PointingHandCursor);
        setElidedText(entry.spreadLabel, name);
        entry.fileLabel = new QLabel(rowsWidget);
        entry.fileLabel->setObjectName(QStringLiteral("fileLabel%1").arg(row));
        for (QLabel *label : {entry.spreadLabel, entry.fileLabel}) {
            label->installEventFilter(this);
            // Tab reaches every name, marked while it has the focus; Enter acts on it.
            label->setFocusPolicy(Qt::StrongFocus);
            label->setStyleSheet(QStringLiteral("QLabel:focus { background: palette(highlight);"
                                                " color: palette(highlighted-text); }"));
        }
        grid->addWidget(entry.spreadLabel, row, 0);
        grid->addWidget(entry.fileLabel, row, 2);
        m_rows << entry;
        showMusicName(row);
    }
    auto *separator = new QFrame(rowsWidget);
    separator->setFrameShape(QFrame::VLine);
    separator->setLineWidth(3);
    grid->addWidget(separator, 0, 1, std::max(1, rowCount()), 1);
    grid->setRowStretch(rowCount(), 1);

    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("rowsScroll"));
    scroll->setWidget(rowsWidget);
    scroll->setWidgetResizable(true);
    scroll->setMinimumSize(2 * LabelWidth + 60, 324);

    auto *buttons = OkCancelButtons::create(this, texts);
    okButton = buttons->button(QDialogButtonBox::Ok);
    cancelButton = buttons->button(QDialogButtonBox::Cancel);
    hintLabel = new QLabel(texts.string(UiText::SpreadMusicHint), this);
    hintLabel->setObjectName(QStringLiteral("hintLabel"));
    hintLabel->setWordWrap(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(hintLabel);
    layout->addWidget(scroll, 1);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &SpreadMusicDialog::writeAndClose);
}

void SpreadMusicDialog::setMusicFile(int row, const QString &path)
{
    m_rows[row].association.musicName = SpreadMusic::musicNameFor(path, m_places.musicFolder);
    showMusicName(row);
}

void SpreadMusicDialog::clearMusic(int row)
{
    m_rows[row].association.musicName.clear();
    showMusicName(row);
}

QList<SpreadMusic::Association> SpreadMusicDialog::associations() const
{
    QList<SpreadMusic::Association> associations;
    for (const Row &row : m_rows)
        associations << row.association;
    return associations;
}

bool SpreadMusicDialog::eventFilter(QObject *watched, QEvent *event)
{
    if ((event->type() == QEvent::MouseButtonRelease &&
         static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) ||
        isActivation(event)) {
        for (int row = 0; row < rowCount(); ++row) {
            if (watched == m_rows.at(row).spreadLabel) {
                chooseFileFor(row);
                return true;
            }
            if (watched == m_rows.at(row).fileLabel) {
                clearMusic(row);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void SpreadMusicDialog::chooseFileFor(int row)
{
    QFileDialog dialog(this);
    dialog.setObjectName(QStringLiteral("spreadMusicFileDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    // Starts beside the file the spread has, else in the music folder.
    const QString current = SpreadMusic::resolve(musicName(row), m_places.musicFolder);
    if (current.isEmpty()) {
        dialog.setDirectory(m_places.musicFolder);
    } else {
        dialog.setDirectory(QFileInfo(current).absolutePath());
        dialog.selectFile(QFileInfo(current).fileName());
    }
    if (m_interaction.execDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    setMusicFile(row, dialog.selectedFiles().first());
}

void SpreadMusicDialog::showMusicName(int row)
{
    QLabel *label = m_rows.at(row).fileLabel;
    const QString &name = m_rows.at(row).association.musicName;
    // A file that is gone plays nothing: the row says so, in red.
    const bool missing = !name.isEmpty() && !musicExists(name);
    const QString shown = QDir::toNativeSeparators(name);
    setElidedText(label, missing ? m_texts.string(UiText::MusicFileMissing).arg(shown) : shown);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText,
                     missing ? QColor(Qt::darkRed) : palette().color(QPalette::WindowText));
    label->setPalette(colours);
    // A click on a file takes it away.
    if (name.isEmpty())
        label->unsetCursor();
    else
        label->setCursor(Qt::ForbiddenCursor);
}

bool SpreadMusicDialog::musicExists(const QString &musicName) const
{
    const QStringList folders = QStringList{m_places.musicFolder} + m_places.otherMusicFolders;
    return std::any_of(folders.begin(), folders.end(), [&musicName](const QString &folder) {
        return QFileInfo(SpreadMusic::resolve(musicName, folder)).isFile();
    });
}

void SpreadMusicDialog::writeAndClose()
{
    QString error;
    if (!SpreadMusic::write(m_places.associationWriteFile, associations(), &error)) {
        m_interaction.showMessage(this, m_texts.string(UiText::SpreadMusicNotSaved) +
                                            QStringLiteral("\n\n") + error);
        return;
    }
    accept();
}
