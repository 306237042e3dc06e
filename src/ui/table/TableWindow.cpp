#include "ui/table/TableWindow.h"

#include "core/app/LanguageLoader.h"
#include "core/app/PreferenceSaver.h"
#include "core/app/SettingsStore.h"
#include "core/cards/CardFaceCache.h"
#include "core/lang/UiText.h"
#include "core/music/MusicController.h"
#include "core/table/TableGeometry.h"
#include "ui/about/AboutBox.h"
#include "ui/cards/CardDetailWindow.h"
#include "ui/common/Interaction.h"
#include "ui/help/HelpWindow.h"
#include "ui/journal/JournalCommands.h"
#include "ui/reports/PrintCommand.h"
#include "ui/table/CardImage.h"
#include "ui/table/DeckView.h"
#include "ui/table/HandChoice.h"
#include "ui/table/OptionDialogs.h"
#include "ui/table/OptionToggles.h"
#include "ui/table/PromptPanel.h"
#include "ui/table/ReadingFileCommands.h"
#include "ui/table/SpreadCommands.h"
#include "ui/table/SpreadView.h"
#include "ui/table/StepButtons.h"
#include "ui/table/TableAccessibility.h"
#include "ui/table/TableFocus.h"
#include "ui/table/TableMenu.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QTimer>

#include <cstdio>

namespace {

// The automatic draw places one card at a time, this many milliseconds apart.
constexpr int AutoDrawPause = 2;

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
    , m_language(new LanguageLoader(m_data, m_preferences, this))
    , m_context{m_data, m_preferences, m_faces, m_interaction}
{
    setObjectName(QStringLiteral("TableWindow"));
    setWindowTitle(QStringLiteral("Quillmoor"));
    SettingsStore::read(m_settings, roots, screenSize(), m_preferences);
    roots.createFolders();
    m_data.scan(m_preferences);
    // From here on each change is stored as it is made.
    m_saver = new PreferenceSaver(m_settings, m_preferences, this);
    connect(m_saver, &PreferenceSaver::writeFailed, this, &TableWindow::showSettingsNotWritten);
    // A desktop session that ends asks first; what was chosen is kept then.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this] {
        m_endingQuietly = true;
        m_saver->saveAll();
        // The desktop may yet cancel its ending; the person is there again.
        m_endingQuietly = false;
    });
    connect(qGuiApp, &QGuiApplication::aboutToQuit, this, &TableWindow::endFromOutside);
    // Titles are decoded only when a missing picture's face is drawn.
    m_faces.setTitles([this](int number) { return m_data.cardTitle(number); });

    createMenu();
    createControls();
    // The table covers the whole screen and keeps that size.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        setGeometry(screen->geometry());
        setFixedSize(screen->geometry().size());
    }
    m_deckView->setBackColor(m_preferences.backColor());
    QStringList notices;
    if (!m_data.replacedDeck().isEmpty())
        notices << m_data.uiText(UiText::DeckReplaced)
                       .arg(m_data.replacedDeck(), m_preferences.deckName());
    const QString languageNotice = m_language->load();
    if (!languageNotice.isEmpty())
        notices << languageNotice;
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
    // A command given while the cut is shown lets the cut end first.
    const auto command = [this](std::function<void()> run) {
        return [this, run] {
            m_deckView->finishCut();
            run();
        };
    };
    const TableMenu::Handlers handlers = {
        {"startAction", command([this] { m_spreads->startReading(); })},
        {"openAction", command([this] { openReading(); })},
        {"saveAction", command([this] { m_readingFiles->save(); })},
        {"inputAction", command([this] { m_spreads->typeInReading(); })},
        {"printAction", command([this] { PrintCommand::run(this, m_context, *m_session); })},
        {"journalAction", command([this] { JournalCommands::open(this, m_context); })},
        {"exitAction", [this] { close(); }},
        {"startReadingAction", command([this] { m_spreads->startReading(); })},
        {"createSpreadAction", command([this] { m_spreads->designSpread(QString()); })},
        {"editSpreadAction", command([this] { m_spreads->editSpread(); })},
        {"toggleSpreadViewAction", command([this] { toggleSpreadView(); })},
        {"backgroundColorAction", command([this] { m_options->chooseBackgroundColor(); })},
        {"defaultBackgroundAction", command([this] { m_options->useDefaultBackground(); })},
        {"spreadTipsAction", command([this] { m_options->toggleSpreadTips(); })},
        {"selectDeckAction", command([this] { m_optionDialogs->chooseDeck(); })},
        {"majorArcanaOnlyAction", command([this] { m_options->toggleMajorArcanaOnly(); })},
        {"reversedPositionsAction", command([this] { m_options->toggleReversedPositions(); })},
        {"automaticDrawAction", command([this] { m_options->toggleAutomaticDraw(); })},
        {"cutDeckAction", command([this] { m_options->toggleCutDeck(); })},
        {"threePilesAction", command([this] { m_options->toggleThreePiles(); })},
        {"imageSettingsAction", command([this] { m_optionDialogs->openImageSettings(); })},
        {"musicSettingsAction", command([this] { m_optionDialogs->openMusicSettings(); })},
        {"playMusicAction", command([this] {
             m_music->togglePlayMusic(m_session->isFanned(), m_session->spreadName());
         })},
        {"nextPieceAction", [this] { m_music->nextPiece(); }},
        {"languageAction", command([this] { m_optionDialogs->chooseLanguage(); })},
        {"contentsAction", command([this] { showHelp(); })},
        {"aboutAction", command([this] {
             AboutBox about(m_data.uiTexts(), this);
             m_interaction.execDialog(about);
         })},
    };
    m_menu = new TableMenu(menuBar(), handlers, this);
    m_options = new OptionToggles(this, *m_menu, m_preferences, m_data, m_interaction, *m_session);
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
    m_handChoice = new HandChoice(this, m_context, *m_session, *m_spreadView, this);
    m_spreads = new SpreadCommands(this, m_context, *m_session, *m_music, *m_handChoice);
    m_optionDialogs = new OptionDialogs(this, m_context, *m_music);
    m_promptPanel = new PromptPanel(m_deckView, m_data, m_preferences, *m_session);
    m_stepButtons = new StepButtons(m_deckView, *m_session);
    m_extraCardImage = new CardImage(-1, m_deckView);
    m_extraCardImage->setObjectName(QStringLiteral("extraCardImage"));
    m_extraCardImage->hide();
    new TableFocus(this, *m_deckView, *m_spreadView, *m_extraCardImage, *m_session);
    m_accessibility = new TableAccessibility(this, *m_deckView, *m_spreadView,
                                             m_promptPanel->promptLabel(), m_data, *m_session);
    m_readingFiles = new ReadingFileCommands(this, m_context, *m_session, this);
    m_autoDrawTimer = new QTimer(this);
    m_autoDrawTimer->setInterval(AutoDrawPause);

    connect(m_deckView, &DeckView::pressed, this, &TableWindow::onTablePressed);
    connect(m_deckView, &DeckView::cutShown, this, [this] { m_session->cutAt(m_cutX); });
    connect(m_deckView, &DeckView::wheelTurned, m_spreadView, &SpreadView::scrollByWheel);
    connect(m_spreadView, &SpreadView::positionClicked, this, &TableWindow::onPositionClicked);
    connect(m_stepButtons, &StepButtons::cutClicked, this,
            [this] { cutDeck(m_deckView->geometry().deckCentre()); });
    connect(m_extraCardImage, &CardImage::clicked, this, [this] {
        if (const auto card = m_session->extraCard())
            showCardDetail(card->number, card->reversed,
                           m_data.uiTexts().text(UiText::ExtraCardSubtitle));
    });
    connect(m_autoDrawTimer, &QTimer::timeout, this, &TableWindow::drawAutomatically);
    connect(m_session, &ReadingSession::phaseChanged, this, &TableWindow::onPhaseChanged);
    connect(m_session, &ReadingSession::spreadLaid, this, &TableWindow::onSpreadLaid);
    connect(m_session, &ReadingSession::extraCardDrawn, this, &TableWindow::showExtraCard);
    connect(m_music, &MusicController::nowPlayingChanged, this, &TableWindow::showNowPlaying);
    // The reading reports the options it decides; they last beyond it.
    connect(m_session, &ReadingSession::majorArcanaOnlyDecided, &m_preferences,
            &Preferences::setMajorOnly);
    connect(m_session, &ReadingSession::querentChosen, &m_preferences,
            &Preferences::setQuerentCard);
    connect(&m_preferences, &Preferences::changed, this, &TableWindow::onPreferenceChanged);
    connect(m_language, &LanguageLoader::loaded, this, &TableWindow::retranslate);
    connect(m_language, &LanguageLoader::incomplete, this,
            [this](const QString &notice) { m_interaction.showMessage(this, notice); });
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
    m_spreads->setSpreadAreaSize(geometry.spreadAreaRect().size());
    m_promptPanel->setGeometry(geometry);
    m_stepButtons->setGeometry(geometry);
    m_extraCardImage->setGeometry(geometry.extraCardRect());
    m_deckView->setTableGeometry(geometry);
}

void TableWindow::onPhaseChanged()
{
    const bool fanned = m_session->isFanned();
    m_spreadView->setVisible(fanned);
    m_stepButtons->showPhase(m_session->phase());
    if (!fanned && m_spreadView->isEnlarged())
        m_spreadView->setEnlarged(false);
    if (m_session->phase() == ReadingSession::Phase::DrawingAutomatically)
        m_autoDrawTimer->start();
}

void TableWindow::onSpreadLaid()
{
    // What belonged to the reading before goes with it.
    m_readingFiles->hideComments();
    m_extraCardImage->hide();
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
        m_session->stopShuffle();
        break;
    case Phase::ReadyToShuffle:
        m_session->startShuffle();
        break;
    case Phase::ReadyToCut:
        cutDeck(point);
        break;
    default:
        m_spreads->startReading();
        break;
    }
}

void TableWindow::onPositionClicked(int position)
{
    switch (m_session->activatePosition(position)) {
    case ReadingSession::PositionAction::ShowDetail: {
        const Placements::Placement placement = m_session->placements().at(position);
        showCardDetail(placement.card, placement.reversed,
                       m_session->spread().explanation(position));
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
    const QImage face = m_faces.face(m_preferences.deckName(), card.number, card.reversed,
                                     m_extraCardImage->size(), devicePixelRatioF());
    if (face.isNull())
        return;
    m_extraCardImage->setTag(card.number);
    m_extraCardImage->setPixmap(QPixmap::fromImage(face));
    m_extraCardImage->show();
}

void TableWindow::openReading()
{
    if (m_readingFiles->open())
        m_music->readingOpened(m_session->spreadName());
}

void TableWindow::openFile(const QString &path)
{
    if (path.endsWith(QStringLiteral(".spread"), Qt::CaseInsensitive))
        m_spreads->startReadingFromFile(path);
    else if (m_readingFiles->openFile(path))
        m_music->readingOpened(m_session->spreadName());
}

void TableWindow::cutDeck(const QPoint &point)
{
    if (m_session->phase() != ReadingSession::Phase::ReadyToCut ||
        !m_deckView->geometry().stackedDeckRect().contains(point))
        return;
    m_stepButtons->hideCut();
    m_cutX = point.x();
    m_deckView->playCut(m_preferences.cutThreePiles());
}

void TableWindow::drawAutomatically()
{
    if (!m_session->drawAutomatically())
        m_autoDrawTimer->stop();
}

void TableWindow::showCardDetail(int number, bool reversed, const QByteArray &subtitle)
{
    CardDetailWindow window(m_context, number, reversed, subtitle, this);
    m_interaction.execDialog(window);
}

void TableWindow::toggleSpreadView()
{
    if (m_session->isFanned())
        m_spreadView->setEnlarged(!m_spreadView->isEnlarged(), m_deckView->rect());
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

void TableWindow::showHelp()
{
    if (!m_helpWindow)
        m_helpWindow = new HelpWindow(this);
    m_helpWindow->showGuide(m_data.helpGuide(), m_data.uiTexts());
    m_helpWindow->open();
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
    m_endingQuietly = quietly;
    m_saver->saveAll();
    m_data.roots().emptyTemp();
}

void TableWindow::showSettingsNotWritten()
{
    const QString message = m_data.uiText(UiText::SettingsNotWritten) + QLatin1Char(' ') +
                            QDir::toNativeSeparators(m_saver->fileName());
    if (m_endingQuietly)
        std::fprintf(stderr, "Quillmoor: %s\n", qPrintable(message));
    else
        m_interaction.showMessage(this, message);
}

void TableWindow::onPreferenceChanged(Preferences::Setting setting)
{
    using Setting = Preferences::Setting;
    if (setting == Setting::BackColor)
        m_deckView->setBackColor(m_preferences.backColor());
    if (setting == Setting::BackColor || setting == Setting::UseTips)
        m_spreadView->applyPreferences();
}

void TableWindow::retranslate()
{
    const UiTextTable &texts = m_data.uiTexts();
    m_menu->retranslate(texts);
    m_stepButtons->retranslate(texts);
    m_readingFiles->retranslate(texts);
    if (m_helpWindow)
        m_helpWindow->showGuide(m_data.helpGuide(), texts);
    m_promptPanel->retranslate();
    m_accessibility->retranslate();
}
