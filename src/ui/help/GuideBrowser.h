#pragma once

#include <QTextBrowser>

// The guide's text with its pictures sharp on dense screens: where a picture
// `name.png` has a `name@2x.png` beside it, a screen of more than one device
// pixel per point shows that one, at the picture's own size in points and
// scaled to the screen's device pixels.
class GuideBrowser : public QTextBrowser
{
    Q_OBJECT

public:
    explicit GuideBrowser(QWidget *parent = nullptr);

    QVariant loadResource(int type, const QUrl &name) override;
};
