#include "ui/common/UnreadFileIcons.h"

#include <QApplication>
#include <QStyle>

UnreadFileIcons::UnreadFileIcons()
    : m_folder(QApplication::style()->standardIcon(QStyle::SP_DirIcon))
    , m_file(QApplication::style()->standardIcon(QStyle::SP_FileIcon))
{}

QIcon UnreadFileIcons::icon(const QFileInfo &info) const
{
    return info.isDir() ? m_folder : m_file;
}

QString UnreadFileIcons::type(const QFileInfo &info) const
{
    // Folders and drives are told apart without reading anything.
    if (info.isDir() || info.isRoot())
        return QFileIconProvider::type(info);
    // Qt's own name for a file known only by its ending, in the toolkit's language.
    return QCoreApplication::translate("QAbstractFileIconProvider", "%1 File").arg(info.suffix());
}
