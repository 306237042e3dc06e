#include "ui/table/TableWindow.h"

#include "core/app/SettingsStore.h"
#include "core/cards/CardFaceCache.h"
#include "core/lang/LanguageFiles.h"
#include "core/lang/UiText.h"
#include "core/music/MusicController.h"
#include "core/spreads/SpreadImport.h"
#include "core/table/TableGeometry.h"
#include "ui/about/AboutBox.h"
#include "ui/cards/CardDetailWindow.h"
#include "ui/cards/DeckChooser.h"
#include "ui/cards/ImageSettingsDialog.h"
#include "ui/common/Interaction.h"
#include "ui/help/HelpWindow.h"
#include "ui/lang/LanguageDialog.h"
#include "ui/music/MusicSettingsDialog.h"
#include "ui/music/SpreadMusicDialog.h"
#include "ui/reports/PrintCommand.h"
#include "ui/spreads/SpreadChooser.h"
#include "ui/spreads/SpreadEditor.h"
#include "ui/table/CardImage.h"
#include "ui/table/DeckView.h"
#include "ui/table/HandChoice.h"
#include "ui/table/ReadingFileCommands.h"
#include "ui/table/SpreadView.h"
#include "ui/table/TableMenu.h"

#include <QAction>
#include <QCloseEvent>
#include <QColorDialog>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSlider>
#include <QTimer>

#include <cstdio>

namespace {

// The prompt panel's designed text colour on the table, cream (0xf3ead2).
constexpr TColor PanelTextColor = 0xD2EAF3;
// The automatic draw places one card at a time, this many milliseconds apart.
constexpr int AutoDrawPause = 2;

void setTextColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

void setBackground(QWidget *widget, TColor color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, TableColor::toQColor(color));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// The available size of the screen the table covers, which windows and
// pictures the settings size must fit.
QSize screenSize()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().size() : QSize();
}

} // namespace

TableWindow::TableWindow(const DataRoots &roots, QSettings &settings, Interaction &interaction,
                         CardFaceCache &faces, QWidget *parent)
    : QMainWindow(parent)
    , m_settings(settings)
    , m_interaction(interaction)
    , m_faces(faces)
    , m_data(roots)
    , m_session(new ReadingSession(m_data, m_preferences, this))
    , m_music(new MusicController(roots, m_preferences, this))
{
    setObjectName(QStringLiteral("TableWindow"));
    setWindowTitle(QStringLiteral("Quillmoor"));
    SettingsStore::read(m_settings, roots, screenSize(), m_preferences);
    m_storedSettings = SettingsStore::values(m_preferences);
    // A desktop session that ends asks first; what was chosen is kept then.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this,
            [this] { storePreferences(Store::AlwaysQuietly); });
    connect(qGuiApp, &QGuiApplication::aboutToQuit, this, &TableWindow::endFromOutside);
    m_data.scan(m_preferences);
    // Titles are decoded only when a missing picture's face is drawn.
    m_faces.setTitles([this](int number) { return m_data.cardTitle(number); });

    createMenu();
    createControls();
    // The table covers the whole screen and keeps that size.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        setGeometry(screen->geometry());
        setFixedSize(screen->geometry().size());
    }
    applyMenuChecks();
    applyBackColor();
    QStringList notices;
    if (!m_data.replacedDeck().isEmpty())
        notices << m_data.uiText(UiText::DeckReplaced)
                       .arg(m_data.replacedDeck(), m_preferences.deckName);
    const QString languageNotice = loadLanguage();
    if (!languageNotice.isEmpty())
        notices << languageNotice;
    showOptionNotice();
    // Placed before they are shown: a widget shown without a size of its own
    // is first fitted to its contents, which lays out its text for nothing.
    layOutControls();
    onPhaseChanged();
    // Said once, over the table rather than before it appears.
    if (!notices.isEmpty()) {
        QTimer::singleShot(0, this, [this, notices] {
            m_interaction.showMessage(this, notices.join(QLatin1Char('\n')));
        });
    }
}

TableWindow::~TableWindow()
{
    // The faces outlive the table; they must not ask it for titles.
    m_faces.setTitles({});
    m_music->setPlayer(nullptr);
}

void TableWindow::setMusicPlayer(std::unique_ptr<MusicPlayer> player)
{
    m_music->setPlayer(player.get());
    m_musicPlayer = std::move(player);
}

void TableWindow::createMenu()
{
    using Kind = TableMenu::Entry::Kind;
    // A command given while the cut is shown lets the cut end first.
    const auto call = [this](void (TableWindow::*handler)()) {
        // A command may change an option; it is stored at once, so it
        // survives a program ended from outside.
        return [this, handler] {
            m_deckView->finishCut();
            (this->*handler)();
            storePreferences();
        };
    };
    // Commands without a handler are greyed out: this build lacks their windows.
    const QList<TableMenu::Entry> entries = {
        {Kind::Menu, "readingsMenu", UiText::MenuReadings, "Readings"},
        {Kind::Item, "startAction", UiText::MenuStart, "Start...", Qt::Key_F9,
         call(&TableWindow::startReading)},
        {Kind::Item, "openAction", UiText::MenuOpen, "Open...", QKeySequence::Open,
         call(&TableWindow::openReading)},
        {Kind::Item, "saveAction", UiText::MenuSave, "Save...", QKeySequence::Save,
         call(&TableWindow::saveReading)},
        {Kind::Item, "inputAction", UiText::MenuInput, "Input...", Qt::Key_F8,
         call(&TableWindow::typeInReading)},
        {Kind::Item, "printAction", UiText::MenuPrint, "Print...", QKeySequence::Print,
         call(&TableWindow::printReading)},
        {Kind::Separator},
        {Kind::Item, "exitAction", UiText::MenuExit, "Exit", {}, [this] { close(); }},
        {Kind::BarItem,
         "startReadingAction",
         UiText::MenuStartReading,
         "Start reading...",
         {},
         call(&TableWindow::startReading)},
        {Kind::Menu, "spreadsMenu", UiText::MenuSpreads, "Spreads"},
        {Kind::Item, "createSpreadAction", UiText::MenuCreateSpread, "Create new...", Qt::Key_F3,
         [this] {
             m_deckView->finishCut();
             designSpread(QString());
         }},
        {Kind::Item, "editSpreadAction", UiText::MenuEditSpread, "Edit...", Qt::Key_F4,
         call(&TableWindow::editSpread)},
        {Kind::Menu, "viewMenu", UiText::MenuView, "View"},
        {Kind::Item, "toggleSpreadViewAction", UiText::MenuToggleSpreadView, "Toggle spread view",
         Qt::Key_Delete, call(&TableWindow::toggleSpreadView)},
        {Kind::Separator},
        {Kind::Item, "backgroundColorAction", UiText::MenuBackgroundColor, "Background color...",
         Qt::CTRL | Qt::Key_B, call(&TableWindow::chooseBackgroundColor)},
        {Kind::Item,
         "defaultBackgroundAction",
         UiText::MenuDefaultBackground,
         "Default background",
         {},
         call(&TableWindow::useDefaultBackground)},
        {Kind::Separator},
        {Kind::CheckItem, "spreadTipsAction", UiText::MenuShowSpreadTips, "Show spread tips",
         Qt::CTRL | Qt::Key_T, call(&TableWindow::toggleSpreadTips)},
        {Kind::Menu, "optionsMenu", UiText::MenuOptions, "Options"},
        {Kind::Item, "selectDeckAction", UiText::MenuSelectDeck, "Select deck...",
         Qt::CTRL | Qt::Key_D, call(&TableWindow::chooseDeck)},
        {Kind::Separator},
        {Kind::CheckItem, "majorArcanaOnlyAction", UiText::MenuMajorArcanaOnly, "Major Arcana only",
         Qt::CTRL | Qt::Key_A, call(&TableWindow::toggleMajorArcanaOnly)},
        {Kind::CheckItem, "reversedPositionsAction", UiText::MenuUseReversed,
         "Use reverse positions", Qt::CTRL | Qt::Key_R,
         call(&TableWindow::toggleReversedPositions)},
        {Kind::CheckItem, "automaticDrawAction", UiText::MenuDrawAutomatically,
         "Draw cards automatically", Qt::CTRL | Qt::Key_F9,
         call(&TableWindow::toggleAutomaticDraw)},
        {Kind::Separator},
        {Kind::CheckItem,
         "cutDeckAction",
         UiText::MenuCutDeck,
         "Cut deck",
         {},
         call(&TableWindow::toggleCutDeck)},
        {Kind::CheckItem,
         "threePilesAction",
         UiText::MenuCutThreePiles,
         "Cut deck in 3 piles",
         {},
         call(&TableWindow::toggleThreePiles)},
        {Kind::Separator},
        {Kind::Item, "imageSettingsAction", UiText::MenuImageSettings, "Enlarged image settings...",
         Qt::CTRL | Qt::Key_I, call(&TableWindow::openImageSettings)},
        {Kind::Separator},
        {Kind::Item, "musicSettingsAction", UiText::MenuMusicSettings, "Music settings...",
         Qt::CTRL | Qt::Key_M, call(&TableWindow::openMusicSettings)},
        {Kind::CheckItem,
         "playMusicAction",
         UiText::MenuPlayMusic,
         "Play music",
         {},
         call(&TableWindow::togglePlayMusic)},
        {Kind::Item,
         "nextPieceAction",
         UiText::MenuNextPiece,
         "Next piece",
         {},
         [this] { m_music->nextPiece(); }},
        {Kind::Separator},
        {Kind::Item, "languageAction", UiText::MenuLanguage, "Language", Qt::CTRL | Qt::Key_L,
         call(&TableWindow::chooseLanguage)},
        {Kind::Menu, "helpMenu", UiText::MenuHelp, "Help"},
        {Kind::Item, "contentsAction", UiText::MenuContents, "Contents", Qt::Key_F1,
         call(&TableWindow::showHelp)},
        {Kind::Separator},
        {Kind::Item,
         "aboutAction",
         UiText::MenuAbout,
         "About...",
         {},
         call(&TableWindow::showAbout)},
    };
    m_menu = new TableMenu(menuBar(), entries, this);
    // Offered while a piece plays.
    m_menu->action("nextPieceAction")->setEnabled(false);
    // "Play music" names the piece playing when the pointer rests on it.
    if (auto *options = menuBar()->findChild<QMenu *>(QStringLiteral("optionsMenu")))
        options->setToolTipsVisible(true);
}

void TableWindow::createControls()
{
    m_deckView = new DeckView(*m_session, this);
    m_deckView->setObjectName(QStringLiteral("deckView"));
    setCentralWidget(m_deckView);

    m_spreadView = new SpreadView(*m_session, m_preferences, m_faces, m_deckView);
    m_spreadView->setObjectName(QStringLiteral("spreadView"));
    m_handChoice = new HandChoice(this, m_interaction, m_data, m_preferences, m_faces, *m_session,
                                  *m_spreadView, this);
    m_horizontalRule = new QFrame(m_deckView);
    m_horizontalRule->setObjectName(QStringLiteral("horizontalRule"));
    m_verticalRule = new QFrame(m_deckView);
    m_verticalRule->setObjectName(QStringLiteral("verticalRule"));

    m_spreadNameLabel = new QLabel(m_deckView);
    m_spreadNameLabel->setObjectName(QStringLiteral("spreadNameLabel"));
    QFont nameFont = m_spreadNameLabel->font();
    nameFont.setBold(true);
    m_spreadNameLabel->setFont(nameFont);
    m_promptLabel = new QLabel(m_deckView);
    m_promptLabel->setObjectName(QStringLiteral("promptLabel"));
    for (QLabel *label : {m_spreadNameLabel, m_promptLabel}) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    m_optionNotice = new QLabel(m_deckView);
    m_optionNotice->setObjectName(QStringLiteral("optionNotice"));
    m_optionNotice->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_shuffleButton = new QPushButton(QStringLiteral("Shuffle"), m_deckView);
    m_shuffleButton->setObjectName(QStringLiteral("shuffleButton"));
    m_stopButton = new QPushButton(QStringLiteral("Stop"), m_deckView);
    m_stopButton->setObjectName(QStringLiteral("stopButton"));
    m_cutButton = new QPushButton(QStringLiteral("Cut deck"), m_deckView);
    m_cutButton->setObjectName(QStringLiteral("cutButton"));
    for (QPushButton *button : {m_shuffleButton, m_stopButton, m_cutButton})
        button->resize(TableGeometry::ButtonSize);

    m_extraCardImage = new CardImage(-1, m_deckView);
    m_extraCardImage->setObjectName(QStringLiteral("extraCardImage"));
    m_extraCardImage->hide();

    m_readingFiles =
        new ReadingFileCommands(this, m_interaction, m_data, m_preferences, *m_session, this);
    m_autoDrawTimer = new QTimer(this);
    m_autoDrawTimer->setInterval(AutoDrawPause);

    connect(m_deckView, &DeckView::pressed, this, &TableWindow::onTablePressed);
    connect(m_deckView, &DeckView::cutShown, this, [this] { m_session->cutAt(m_cutX); });
    connect(m_deckView, &DeckView::wheelTurned, m_spreadView, &SpreadView::scrollByWheel);
    connect(m_spreadView, &SpreadView::positionClicked, this, &TableWindow::onPositionClicked);
    connect(m_shuffleButton, &QPushButton::clicked, this, &TableWindow::shuffle);
    connect(m_stopButton, &QPushButton::clicked, this, &TableWindow::stopShuffle);
    connect(m_cutButton, &QPushButton::clicked, this,
            [this] { cutDeck(m_deckView->geometry().deckCentre()); });
    connect(m_extraCardImage, &CardImage::clicked, this, [this] {
        if (const auto card = m_session->extraCard())
            showCardDetail(card->number, card->reversed,
                           m_data.uiTexts().text(UiText::ExtraCardSubtitle));
    });
    connect(m_autoDrawTimer, &QTimer::timeout, this, &TableWindow::drawAutomatically);
    connect(m_session, &ReadingSession::phaseChanged, this, &TableWindow::onPhaseChanged);
    connect(m_session, &ReadingSession::promptChanged, this, &TableWindow::showPrompt);
    connect(m_session, &ReadingSession::extraCardDrawn, this, &TableWindow::showExtraCard);
    connect(m_music, &MusicController::nowPlayingChanged, this, &TableWindow::showNowPlaying);
    connect(m_music, &MusicController::soundUnavailable, this,
            [this] { m_interaction.showMessage(this, m_data.uiText(UiText::NoSoundOutput)); });
}

void TableWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    layOutControls();
}

void TableWindow::layOutControls()
{
    const TableGeometry geometry(size(), m_deckView->size());
    m_session->setTableWidth(width());
    m_spreadView->setNormalGeometry(geometry.spreadAreaRect());
    m_horizontalRule->setGeometry(geometry.horizontalRuleRect());
    m_verticalRule->setGeometry(geometry.verticalRuleRect());
    m_spreadNameLabel->setGeometry(geometry.spreadNameRect());
    m_promptLabel->setGeometry(geometry.promptRect());
    m_optionNotice->setGeometry(geometry.optionNoticeRect());
    m_shuffleButton->move(geometry.shuffleButtonPos());
    m_stopButton->move(geometry.stopButtonPos());
    m_cutButton->move(geometry.cutButtonPos());
    m_extraCardImage->setGeometry(geometry.extraCardRect());
    m_deckView->setTableGeometry(geometry);
}

QString TableWindow::loadLanguage()
{
    const UiTextTable previous = m_data.uiTexts();
    m_data.loadLanguage(m_preferences);
    m_toolkitTranslation.apply(m_preferences.language);
    m_session->retranslatePrompt(previous);
    const UiTextTable &texts = m_data.uiTexts();
    m_menu->retranslate(texts);
    m_shuffleButton->setText(m_data.uiText(UiText::Shuffle));
    m_stopButton->setText(m_data.uiText(UiText::Stop));
    m_cutButton->setText(m_data.uiText(UiText::CutDeckButton));
    m_readingFiles->retranslate(texts);
    if (m_helpWindow)
        m_helpWindow->showGuide(m_data.helpGuide(), texts);
    showPrompt(m_session->prompt());
    return m_data.languageComplete() ? QString() : m_data.uiText(UiText::LanguageIncomplete);
}

void TableWindow::showPrompt(const QByteArray &prompt)
{
    m_promptLabel->setText(m_data.uiTexts().decodedLines(prompt));
}

void TableWindow::applyMenuChecks()
{
    const std::pair<const char *, bool> checks[] = {
        {"cutDeckAction", m_preferences.cutDeck},
        {"threePilesAction", m_preferences.cutThreePiles},
        {"majorArcanaOnlyAction", m_preferences.majorOnly},
        {"playMusicAction", m_preferences.playMusic},
        {"spreadTipsAction", m_preferences.useTips},
        {"automaticDrawAction", m_preferences.drawAuto},
        {"reversedPositionsAction", m_preferences.useReverse},
    };
    for (const auto &[name, checked] : checks)
        m_menu->action(name)->setChecked(checked);
    m_menu->action("threePilesAction")->setEnabled(m_preferences.cutDeck);
}

void TableWindow::applyBackColor()
{
    for (QWidget *rule : {m_horizontalRule, m_verticalRule})
        setBackground(rule, m_preferences.backColor);
    // Text keeps its designed colour only where it stands out from the table.
    setTextColor(m_optionNotice, TableColor::toQColor(TableColor::noticeColorFor(
                                     m_preferences.backColor, TableColor::Navy)));
    for (QLabel *label : {m_spreadNameLabel, m_promptLabel})
        setTextColor(label, TableColor::toQColor(
                                TableColor::legibleOn(m_preferences.backColor, PanelTextColor)));
    m_spreadView->applyPreferences();
    m_deckView->setBackColor(m_preferences.backColor);
}

void TableWindow::showOptionNotice()
{
    m_optionNotice->setText(m_preferences.majorOnly ? m_data.uiText(UiText::MajorArcanaOnlyNotice)
                                                    : QString());
}

void TableWindow::onPhaseChanged()
{
    using Phase = ReadingSession::Phase;
    const Phase phase = m_session->phase();
    const bool fanned = m_session->isFanned();
    for (QWidget *part : std::initializer_list<QWidget *>{m_spreadView, m_horizontalRule,
                                                          m_verticalRule, m_spreadNameLabel})
        part->setVisible(fanned);
    // The prompt names the next step in every phase, before the fan too.
    m_promptLabel->setVisible(true);
    m_optionNotice->setVisible(!fanned);
    const bool shuffleTime = phase == Phase::ReadyToShuffle || phase == Phase::Shuffling;
    m_shuffleButton->setVisible(shuffleTime);
    m_stopButton->setVisible(shuffleTime);
    m_stopButton->setEnabled(phase == Phase::Shuffling);
    m_cutButton->setVisible(phase == Phase::ReadyToCut);
    if (!fanned && m_spreadView->isEnlarged())
        m_spreadView->setEnlarged(false);
    if (phase == Phase::NoSpread || phase == Phase::Shuffling) {
        m_readingFiles->hideComments();
        m_extraCardImage->hide();
    }
    if (fanned)
        m_spreadNameLabel->setText(m_session->spreadName());
    if (phase == Phase::Drawing && m_session->isAutomaticDrawPending())
        m_autoDrawTimer->start();
}

void TableWindow::onTablePressed(const QPoint &point)
{
    using Phase = ReadingSession::Phase;
    if (m_session->isFanned()) {
        m_session->drawAt(point);
        return;
    }
    switch (m_session->phase()) {
    case Phase::Shuffling:
        stopShuffle();
        break;
    case Phase::ReadyToShuffle:
        shuffle();
        break;
    case Phase::ReadyToCut:
        cutDeck(point);
        break;
    default:
        startReading();
        break;
    }
}

void TableWindow::onPositionClicked(int position)
{
    switch (m_session->activatePosition(position)) {
    case ReadingSession::PositionAction::ShowDetail: {
        const Spread &spread = m_session->spread();
        showCardDetail(spread.cardAt[position], spread.positionReversed[position],
                       spread.explanation[position]);
        break;
    }
    case ReadingSession::PositionAction::ChooseCard:
        m_handChoice->choose(position);
        break;
    case ReadingSession::PositionAction::Revealed:
    case ReadingSession::PositionAction::Nothing:
        break;
    }
}

void TableWindow::showExtraCard(const ReadingSession::ExtraCard &card)
{
    const QImage face =
        m_faces.face(m_preferences.deckName, card.number, card.reversed, m_extraCardImage->size());
    if (face.isNull())
        return;
    m_extraCardImage->setTag(card.number);
    m_extraCardImage->setPixmap(QPixmap::fromImage(face));
    m_extraCardImage->show();
}

std::optional<QString> TableWindow::chooseSpread(const QString &caption)
{
    const QString notice = m_data.unusableSpreadFilesNotice();
    if (!notice.isEmpty() && !m_unusableSpreadsReported) {
        m_unusableSpreadsReported = true;
        m_interaction.showMessage(this, notice);
    }
    SpreadChooser chooser(m_data.spreadNames(), m_session->spreadName(), caption, m_data.uiTexts(),
                          this);
    if (m_interaction.execDialog(chooser) != QDialog::Accepted)
        return std::nullopt;
    // With nothing to choose from, OK keeps the spread of the last reading.
    return chooser.chosenName().isEmpty() ? m_session->spreadName() : chooser.chosenName();
}

void TableWindow::startReading()
{
    const auto name = chooseSpread(m_data.uiText(UiText::SelectSpreadCaption));
    // Without any spread to choose from there is nothing to lay.
    if (!name || name->isEmpty())
        return;
    QString error;
    if (!m_session->startReading(*name, &error)) {
        showSpreadRefused(error);
        return;
    }
    m_music->spreadStarted(m_session->spreadName());
    m_handChoice->chooseSignificators();
}

void TableWindow::editSpread()
{
    const auto name = chooseSpread(m_data.uiText(UiText::SelectSpreadCaption) +
                                   m_data.uiText(UiText::SelectSpreadToEdit));
    if (name && !name->isEmpty())
        designSpread(*name);
}

void TableWindow::designSpread(const QString &name)
{
    // The editing area is the spread area, so boxes stand where cards will lie.
    const TableGeometry geometry(size(), m_deckView->size());
    SpreadEditor editor({m_data.roots(), name, geometry.spreadAreaRect().size(),
                         TableColor::toQColor(m_preferences.backColor)},
                        m_data.uiTexts(), m_interaction, this);
    if (!editor.loadFault().isEmpty())
        showSpreadRefused(editor.loadFault());
    // The reading on the table is left alone; a saved spread is offered at once.
    if (m_interaction.execDialog(editor) == QDialog::Accepted)
        m_data.rescanSpreads();
}

void TableWindow::showSpreadRefused(const QString &fault)
{
    m_interaction.showMessage(this, m_data.uiText(UiText::SpreadUnreadable) +
                                        QStringLiteral("\n\n") + fault);
}

void TableWindow::typeInReading()
{
    const auto name = chooseSpread(m_data.uiText(UiText::SelectSpreadCaption) +
                                   m_data.uiText(UiText::SelectSpreadForInput));
    if (!name || name->isEmpty())
        return;
    QString error;
    if (!m_session->startTypingIn(*name, &error)) {
        showSpreadRefused(error);
        return;
    }
    m_music->spreadStarted(m_session->spreadName());
}

void TableWindow::openReading()
{
    if (!m_readingFiles->open())
        return;
    m_music->readingOpened(m_session->spreadName());
    applyMenuChecks();
    showOptionNotice();
}

void TableWindow::openFile(const QString &path)
{
    if (path.endsWith(QStringLiteral(".spread"), Qt::CaseInsensitive)) {
        startReadingFromFile(path);
        return;
    }
    if (!m_readingFiles->openFile(path))
        return;
    applyMenuChecks();
    showOptionNotice();
}

void TableWindow::startReadingFromFile(const QString &path)
{
    QString error;
    const auto spread = SpreadImport::offer(m_data.roots(), m_data.spreadNames(), path, &error);
    if (!spread) {
        showSpreadRefused(error);
        return;
    }
    m_data.rescanSpreads();
    if (!m_session->startReadingFrom(spread->name, spread->path, &error)) {
        showSpreadRefused(error);
        return;
    }
    m_handChoice->chooseSignificators();
}

void TableWindow::saveReading()
{
    m_readingFiles->save();
}

void TableWindow::shuffle()
{
    m_session->startShuffle();
}

void TableWindow::stopShuffle()
{
    m_session->stopShuffle();
}

void TableWindow::cutDeck(const QPoint &point)
{
    if (m_session->phase() != ReadingSession::Phase::ReadyToCut ||
        !m_deckView->geometry().stackedDeckRect().contains(point))
        return;
    m_cutButton->hide();
    m_cutX = point.x();
    m_deckView->playCut(m_preferences.cutThreePiles);
}

void TableWindow::drawAutomatically()
{
    if (!m_session->drawAutomatically())
        m_autoDrawTimer->stop();
}

void TableWindow::showCardDetail(int number, bool reversed, const QByteArray &subtitle)
{
    CardDetailWindow window(m_data, m_preferences, m_faces, m_interaction, number, reversed,
                            subtitle, this);
    m_interaction.execDialog(window);
    storePreferences();
}

void TableWindow::toggleSpreadView()
{
    if (!m_session->isFanned())
        return;
    m_spreadView->setEnlarged(!m_spreadView->isEnlarged(), m_deckView->rect());
}

void TableWindow::chooseBackgroundColor()
{
    QColorDialog dialog(TableColor::toQColor(m_preferences.backColor), this);
    dialog.setObjectName(QStringLiteral("backgroundColorDialog"));
    if (m_interaction.execDialog(dialog) == QDialog::Accepted)
        setBackColor(TableColor::fromQColor(dialog.selectedColor()));
}

void TableWindow::useDefaultBackground()
{
    setBackColor(TableColor::DefaultBackColor);
}

void TableWindow::setBackColor(TColor color)
{
    m_preferences.backColor = color;
    applyBackColor();
}

void TableWindow::toggleMajorArcanaOnly()
{
    m_preferences.majorOnly = !m_preferences.majorOnly;
    applyMenuChecks();
    showOptionNotice();
}

void TableWindow::toggleReversedPositions()
{
    m_preferences.useReverse = !m_preferences.useReverse;
    applyMenuChecks();
}

void TableWindow::toggleAutomaticDraw()
{
    m_preferences.drawAuto = !m_preferences.drawAuto;
    applyMenuChecks();
    // The reading in progress keeps the mode it started with; say so while it
    // has not reached the drawing yet.
    if (m_session->isBeforeDrawing())
        m_interaction.showMessage(this, m_data.uiText(m_preferences.drawAuto
                                                          ? UiText::AutoDrawTurnedOn
                                                          : UiText::AutoDrawTurnedOff));
}

void TableWindow::toggleCutDeck()
{
    m_preferences.cutDeck = !m_preferences.cutDeck;
    applyMenuChecks();
}

void TableWindow::toggleThreePiles()
{
    m_preferences.cutThreePiles = !m_preferences.cutThreePiles;
    applyMenuChecks();
}

void TableWindow::toggleSpreadTips()
{
    m_preferences.useTips = !m_preferences.useTips;
    applyMenuChecks();
    m_spreadView->applyPreferences();
}

void TableWindow::openImageSettings()
{
    ImageSettingsDialog dialog(m_preferences, m_interaction, m_data.uiTexts(), this);
    m_interaction.execDialog(dialog);
}

void TableWindow::togglePlayMusic()
{
    m_music->togglePlayMusic(m_session->isFanned(), m_session->spreadName());
    applyMenuChecks();
}

void TableWindow::openMusicSettings()
{
    MusicSettingsDialog dialog(
        m_preferences, m_data.roots().musicDir(), m_data.uiTexts(), m_interaction,
        [this] { editSpreadMusic(); }, this);
    // The music follows the slider at once, and goes back to the kept loudness on Cancel.
    connect(dialog.volumeSlider, &QSlider::valueChanged, m_music, &MusicController::previewVolume);
    if (m_interaction.execDialog(dialog) == QDialog::Accepted)
        m_music->applySettings(dialog.choice());
    else
        m_music->previewVolume(m_preferences.musicVolume);
}

void TableWindow::editSpreadMusic()
{
    const DataRoots &roots = m_data.roots();
    SpreadMusicDialog dialog(m_data.spreadNames(),
                             {roots.associationFile(), roots.associationWritePath(),
                              roots.musicDir(), m_preferences.language, roots.musicFolders()},
                             m_data.uiTexts(), m_interaction, this);
    m_interaction.execDialog(dialog);
}

void TableWindow::showNowPlaying(const QString &path)
{
    const QString piece = QFileInfo(path).completeBaseName();
    const QString nowPlaying =
        piece.isEmpty() ? QString() : m_data.uiText(UiText::NowPlaying).arg(piece);
    setWindowTitle(piece.isEmpty() ? QStringLiteral("Quillmoor")
                                   : QStringLiteral("Quillmoor - ") + nowPlaying);
    QAction *playMusic = m_menu->action("playMusicAction");
    playMusic->setStatusTip(nowPlaying);
    playMusic->setToolTip(nowPlaying);
    m_menu->action("nextPieceAction")->setEnabled(!piece.isEmpty());
}

void TableWindow::chooseDeck()
{
    DeckChooser dialog(
        DeckList::scan(m_data.roots()),
        {m_preferences.deckName, m_preferences.ardenvaleStyle, m_preferences.strengthEleven},
        m_faces, m_data.uiTexts(), this);
    if (m_interaction.execDialog(dialog) != QDialog::Accepted)
        return;
    const DeckChooser::Choice choice = dialog.choice();
    m_preferences.deckName = choice.deckName;
    m_preferences.ardenvaleStyle = choice.ardenvaleStyle;
    m_preferences.strengthEleven = choice.strengthEleven;
    // The next reading deals the new deck's cards under the new titles; cards
    // already on the table keep their pictures until they are drawn again.
    m_data.scan(m_preferences);
    m_data.loadCardTitles(m_preferences);
    m_faces.clear();
}

void TableWindow::chooseLanguage()
{
    LanguageDialog dialog(LanguageFiles::languageEntries(m_data.roots()), m_preferences.language,
                          m_data.uiTexts(), this);
    if (m_interaction.execDialog(dialog) != QDialog::Accepted)
        return;
    m_preferences.language = dialog.selectedLanguage();
    const QString notice = loadLanguage();
    showOptionNotice();
    if (!notice.isEmpty())
        m_interaction.showMessage(this, notice);
}

void TableWindow::printReading()
{
    PrintCommand::run(this, m_interaction, m_data, m_preferences, *m_session);
}

void TableWindow::showHelp()
{
    if (!m_helpWindow)
        m_helpWindow = new HelpWindow(this);
    m_helpWindow->showGuide(m_data.helpGuide(), m_data.uiTexts());
    m_helpWindow->open();
}

void TableWindow::showAbout()
{
    AboutBox about(m_data.uiTexts(), this);
    m_interaction.execDialog(about);
}

void TableWindow::keyPressEvent(QKeyEvent *event)
{
    // Esc ends the cut being shown at once.
    if (event->key() == Qt::Key_Escape && m_deckView->isCutting()) {
        m_deckView->finishCut();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void TableWindow::closeEvent(QCloseEvent *event)
{
    finish(false);
    event->accept();
}

void TableWindow::endFromOutside()
{
    finish(true);
}

void TableWindow::finish(bool quietly)
{
    if (m_closed)
        return;
    m_closed = true;
    m_autoDrawTimer->stop();
    m_deckView->stopAnimations();
    m_readingFiles->hideComments();
    m_music->stop();
    if (m_helpWindow)
        m_helpWindow->hide();
    storePreferences(quietly ? Store::AlwaysQuietly : Store::Always);
    m_data.roots().emptyTemp();
}

void TableWindow::storePreferences(Store when)
{
    const QVariantMap values = SettingsStore::values(m_preferences);
    if (when == Store::IfChanged && values == m_storedSettings)
        return;
    m_storedSettings = values;
    if (SettingsStore::write(m_settings, m_preferences) || m_settingsFailureReported)
        return;
    m_settingsFailureReported = true;
    const QString message = m_data.uiText(UiText::SettingsNotWritten) + QLatin1Char(' ') +
                            QDir::toNativeSeparators(m_settings.fileName());
    if (when == Store::AlwaysQuietly)
        std::fprintf(stderr, "Quillmoor: %s\n", qPrintable(message));
    else
        m_interaction.showMessage(this, message);
}
