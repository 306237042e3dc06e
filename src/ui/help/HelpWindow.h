#pragma once

#include <QByteArray>
#include <QUrl>
#include <QWidget>

class QTextBrowser;
class QToolButton;
class UiTextTable;

// The user's guide in a window of its own beside the table, so it can be
// read during a reading and needs no web browser. It keeps the place it was
// given within the session when it is closed and opened again.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // Shows `guide` (the path of a guide, empty when none is installed) with
    // the captions of `texts`. A new guide, such as the same guide in another
    // language, opens at the section being read.
    void showGuide(const QString &guide, const UiTextTable &texts);
    // Shows the window where it was last closed, in front.
    void open();

    QTextBrowser *browser;
    QToolButton *backButton;
    QToolButton *forwardButton;
    QToolButton *homeButton;

protected:
    void hideEvent(QHideEvent *event) override;

private:
    void showTitle();

    // The start of the guide shown, where Home leads.
    QUrl m_home;
    // The window's title when the guide has none.
    QString m_untitled;
    QByteArray m_placement;
};
