#include "ui/help/HelpWindow.h"

#include "core/lang/UiText.h"
#include "core/lang/UiTextTable.h"
#include "ui/help/GuideBrowser.h"

#include <QHBoxLayout>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QToolButton *navigationButton(QStyle::StandardPixmap icon, const char *name, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    return button;
}

} // namespace

HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
    , browser(new GuideBrowser(this))
    , backButton(navigationButton(QStyle::SP_ArrowBack, "backButton", this))
    , forwardButton(navigationButton(QStyle::SP_ArrowForward, "forwardButton", this))
    , homeButton(navigationButton(QStyle::SP_DirHomeIcon, "homeButton", this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    browser->setObjectName(QStringLiteral("browser"));
    // Links lead within the guide; nothing is handed to other programs.
    browser->setOpenLinks(true);
    browser->setOpenExternalLinks(false);
    backButton->setEnabled(false);
    forwardButton->setEnabled(false);

    connect(backButton, &QToolButton::clicked, browser, &QTextBrowser::backward);
    connect(forwardButton, &QToolButton::clicked, browser, &QTextBrowser::forward);
    connect(homeButton, &QToolButton::clicked, this, [this] { browser->setSource(m_home); });
    connect(browser, &QTextBrowser::backwardAvailable, backButton, &QToolButton::setEnabled);
    connect(browser, &QTextBrowser::forwardAvailable, forwardButton, &QToolButton::setEnabled);
    connect(new QShortcut(QKeySequence::Back, this), &QShortcut::activated, browser,
            &QTextBrowser::backward);
    connect(new QShortcut(QKeySequence::Forward, this), &QShortcut::activated, browser,
            &QTextBrowser::forward);
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(backButton);
    buttons->addWidget(forwardButton);
    buttons->addWidget(homeButton);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(buttons);
    layout->addWidget(browser);
    // A comfortable reading size that still fits a small screen.
    const QSize comfortable(800, 680);
    resize(screen() ? comfortable.boundedTo(screen()->availableSize() * 9 / 10) : comfortable);
}

void HelpWindow::showGuide(const QString &guide, const UiTextTable &texts)
{
    backButton->setText(texts.string(UiText::HelpBack));
    forwardButton->setText(texts.string(UiText::HelpForward));
    homeButton->setText(texts.string(UiText::HelpHome));
    m_untitled = texts.string(UiText::MenuHelp);
    const QUrl shown = browser->source();
    m_home = guide.isEmpty() ? QUrl() : QUrl::fromLocalFile(guide);
    homeButton->setEnabled(!m_home.isEmpty());
    if (m_home.isEmpty() || shown.adjusted(QUrl::RemoveFragment) != m_home) {
        if (m_home.isEmpty()) {
            browser->setSource(QUrl());
            browser->setPlainText(texts.string(UiText::HelpMissing));
        } else {
            // Both guides name their sections alike, so the reader stays
            // where they were when the language changes.
            QUrl url = m_home;
            url.setFragment(shown.fragment());
            browser->setSource(url);
        }
        // Back never leads into the guide of another language.
        browser->clearHistory();
    }
    showTitle();
}

void HelpWindow::showTitle()
{
    const QString title = browser->documentTitle();
    setWindowTitle(title.isEmpty() ? m_untitled : title);
}

void HelpWindow::open()
{
    if (isHidden() && !m_placement.isEmpty())
        restoreGeometry(m_placement);
    show();
    raise();
    activateWindow();
}

void HelpWindow::hideEvent(QHideEvent *event)
{
    m_placement = saveGeometry();
    QWidget::hideEvent(event);
}
