#pragma once

#include "core/music/SpreadMusic.h"

#include <QDialog>
#include <QList>
#include <QStringList>

class Interaction;
class QLabel;
class QPushButton;
class UiTextTable;

// Lists every spread with the music of its own: a click on a spread's name
// chooses a file for it, a click on the file takes it away again. OK writes
// the association file; when that fails the user is told and the dialog
// stays open with the choices made.
class SpreadMusicDialog : public QDialog
{
    Q_OBJECT

public:
    struct Places
    {
        // The association file read, and the one written on OK.
        QString associationFile;
        QString associationWriteFile;
        QString musicFolder;
        // The language whose code page older association files are in.
        QString language;
        // Where else a music name relative to the music folder may be found.
        QStringList otherMusicFolders = {};
    };

    SpreadMusicDialog(const QStringList &spreadNames, const Places &places,
                      const UiTextTable &texts, Interaction &interaction,
                      QWidget *parent = nullptr);

    int rowCount() const { return int(m_rows.size()); }
    QLabel *spreadLabel(int row) const { return m_rows.at(row).spreadLabel; }
    QLabel *fileLabel(int row) const { return m_rows.at(row).fileLabel; }
    // The music name row `row` will be written with.
    QString musicName(int row) const { return m_rows.at(row).association.musicName; }
    // Gives row `row` the file at `path`.
    void setMusicFile(int row, const QString &path);
    void clearMusic(int row);
    QList<SpreadMusic::Association> associations() const;

    // One line on what a click on a name and on a file does.
    QLabel *hintLabel;
    QPushButton *okButton;
    QPushButton *cancelButton;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Row
    {
        SpreadMusic::Association association;
        QLabel *spreadLabel = nullptr;
        QLabel *fileLabel = nullptr;
    };

    void chooseFileFor(int row);
    void showMusicName(int row);
    bool musicExists(const QString &musicName) const;
    void writeAndClose();

    Places m_places;
    const UiTextTable &m_texts;
    Interaction &m_interaction;
    QList<Row> m_rows;
};
