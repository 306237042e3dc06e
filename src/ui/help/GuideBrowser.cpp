#include "ui/help/GuideBrowser.h"

#include <QFileInfo>
#include <QImage>
#include <QTextDocument>

GuideBrowser::GuideBrowser(QWidget *parent)
    : QTextBrowser(parent)
{}

QVariant GuideBrowser::loadResource(int type, const QUrl &name)
{
    // The text document looks for `@2x` pictures only under names it can
    // find from the working folder, which the guide's relative names are not.
    constexpr qreal Dense = 2;
    if (type == QTextDocument::ImageResource && devicePixelRatioF() > 1) {
        const QUrl url = source().resolved(name);
        if (url.isLocalFile()) {
            const QFileInfo picture(url.toLocalFile());
            const QString dense = picture.path() + QLatin1Char('/') + picture.completeBaseName() +
                                  QStringLiteral("@2x.") + picture.suffix();
            QImage image;
            if (QFileInfo(dense).isFile() && image.load(dense)) {
                image.setDevicePixelRatio(Dense);
                return image;
            }
        }
    }
    return QTextBrowser::loadResource(type, name);
}
