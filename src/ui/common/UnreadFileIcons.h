#pragma once

#include <QFileIconProvider>

// Icons and type names for a file dialog, taken from each file's name alone.
// The desktop's own lookup reads every file's first bytes to tell its type,
// which in a folder of thousands of saved readings keeps the dialog's list
// empty for seconds; a folder of readings needs no more than this.
class UnreadFileIcons : public QFileIconProvider
{
public:
    UnreadFileIcons();

    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo &info) const override;
    QString type(const QFileInfo &info) const override;

private:
    QIcon m_folder;
    QIcon m_file;
};
