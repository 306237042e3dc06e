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
                // The text draws a picture at its own pixels, so on a screen
                // of another ratio it is made to measure, smoothly. Pictures
                // with a palette are made true colour first: smooth scaling
                // crashes on some of them.
                const qreal ratio = devicePixelRatioF();
                if (ratio != Dense)
                    image = image.convertToFormat(QImage::Format_RGB32)
                                .scaled((QSizeF(image.size()) * (ratio / Dense)).toSize(),
                                        Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
                image.setDevicePixelRatio(ratio);
                return image;
            }
        }
    }
    return QTextBrowser::loadResource(type, name);
}
