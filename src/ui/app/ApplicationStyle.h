#pragma once

#include <QProxyStyle>

// The application's style, except that the arrows of a toolbar or menu bar
// extension button are read from their files only when first drawn. Every
// menu bar makes such a button, hidden until its menus no longer fit; and Qt,
// to read the first picture file of a format it has built in, loads every
// image format plugin of the system to ask each whether it reads that format.
// Done for the table's menu bar, that cost start-up 1.5 ms before the first
// paint, for a button that is hardly ever shown.
class ApplicationStyle : public QProxyStyle
{
    Q_OBJECT

public:
    // Over the style named `baseKey`.
    explicit ApplicationStyle(const QString &baseKey);

    // Makes this the application's style, over the one the application would
    // use, which the user may have chosen (-style, QT_STYLE_OVERRIDE).
    static void install();

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};
