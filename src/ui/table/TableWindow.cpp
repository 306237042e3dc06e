#include "ui/table/TableWindow.h"

#include "core/app/DataFolders.h"
#include "core/app/SettingsStore.h"
#include "core/cards/CardBack.h"
#include "core/cards/CardPicture.h"
#include "core/engine/Drawing.h"
#include "core/lang/LanguageFiles.h"
#include "core/lang/UiText.h"
#include "core/spreads/PositionLabels.h"
#include "core/spreads/SpreadList.h"
#include "ui/about/AboutBox.h"
#include "ui/common/Interaction.h"
#include "ui/lang/LanguageDialog.h"
#include "ui/readings/CommentsWindow.h"
#include "ui/spreads/SpreadChooser.h"
#include "ui/table/CardImage.h"
#include "ui/table/TableCanvas.h"

#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QDate>
#include <QFrame>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QThread>
#include <QWheelEvent>

namespace {

QAction *addItem(QMenu *menu, const char *name, const QString &caption,
                 const QKeySequence &shortcut = {})
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    return action;
}

QAction *addCheckItem(QMenu *menu, const char *name, const QString &caption,
                      const QKeySequence &shortcut = {})
{
    QAction *action = addItem(menu, name, caption, shortcut);
    action->setCheckable(true);
    return action;
}

QMenu *addMenu(QMenuBar *bar, const char *name, const QString &caption)
{
    QMenu *menu = bar->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

void setTextColor(QWidget *widget, TColor color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, TableColor::toQColor(color));
    widget->setPalette(palette);
}

void setBackground(QWidget *widget, TColor color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, TableColor::toQColor(color));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

TableWindow::TableWindow(const QString &appDir, Interaction &interaction, QWidget *parent)
    : QMainWindow(parent)
    , m_interaction(interaction)
{
    AppDir = appDir;
    FormCreate();
}

TableWindow::~TableWindow() = default;

QString TableWindow::uiText(int index) const
{
    return UiTexts.string(index);
}

void TableWindow::FormCreate()
{
    setObjectName(QStringLiteral("TableWindow"));
    setWindowTitle(QStringLiteral("Quillmoor"));
    createMenu();
    createControls();

    // The table covers the whole screen and keeps that size.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        setGeometry(screen->geometry());
        setFixedSize(screen->geometry().size());
    }

    commentsWindow = new CommentsWindow(UiTexts, this);
    commentsWindow->setWindowFlag(Qt::WindowStaysOnTopHint);
    commentsWindow->move(width() - commentsWindow->width(), 0);
    commentsWindow->noCommentsButton->hide();
    commentsWindow->centreOkButton();
    commentsWindow->hide();
    BackColor = TableColor::DefaultBackColor;
    Label4->show();

    ReportComments =
        QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toLocal8Bit();
    DataFolders::create(AppDir);

    {
        QSettings settings(QLatin1String(SettingsStore::Organization),
                           QLatin1String(SettingsStore::Application));
        SettingsStore::read(settings, *this);
    }
    applyMenuChecks();
    applyBackColor();

    Deck79 = DataFolders::hasExtraCard(AppDir, DeckName);
    CardTitles::SetTitles(CardTitles, AppDir, Language, Deck79, numbering());
    DeckSize = Deck::sizeFor(MajorOnly, Deck79);
    HelpFile = AppDir + QStringLiteral("/Doded.hlp");
    ReadingsDir = DataFolders::readingsDir(AppDir);
    SpreadNames = DataFolders::spreadNames(AppDir);
    SpreadList::ArrangeSpreads(SpreadNames);
    LoadLangu();
    showOptionNotice();

    raise();
    activateWindow();

    ExtentMarker = new QWidget(ScrollBox1->widget());
    ExtentMarker->setObjectName(QStringLiteral("ExtentMarker"));
    ExtentMarker->resize(10, 10);
    ExtraCardImage = new CardImage(-1, Canvas);
    ExtraCardImage->setObjectName(QStringLiteral("ExtraCardImage"));
    ExtraCardImage->hide();
    connect(ExtraCardImage, &CardImage::clicked, this, [this] {
        ShowCardDetail(ExtraCardNumber, ExtraCardReversed, UiTexts.text(UiText::ExtraCardSubtitle));
    });
    layOutControls();
}

void TableWindow::createMenu()
{
    QMenuBar *bar = menuBar();
    Menu1 = addMenu(bar, "Menu1", QStringLiteral("Readings"));
    SelectlayoutF12 = addItem(Menu1, "SelectlayoutF12", QStringLiteral("Start..."), Qt::Key_F9);
    Openreading1 = addItem(Menu1, "Openreading1", QStringLiteral("Open..."), QKeySequence::Open);
    Savecurrentreading1 =
        addItem(Menu1, "Savecurrentreading1", QStringLiteral("Save..."), QKeySequence::Save);
    Input1 = addItem(Menu1, "Input1", QStringLiteral("Input..."), Qt::Key_F8);
    Print1 = addItem(Menu1, "Print1", QStringLiteral("Print..."), QKeySequence::Print);
    Menu1->addSeparator();
    Exit1 = addItem(Menu1, "Exit1", QStringLiteral("Exit"));

    SelectlayoutF11 = bar->addAction(QStringLiteral("Start reading..."));
    SelectlayoutF11->setObjectName(QStringLiteral("SelectlayoutF11"));

    Spreads1 = addMenu(bar, "Spreads1", QStringLiteral("Spreads"));
    Createnewspread1 =
        addItem(Spreads1, "Createnewspread1", QStringLiteral("Create new..."), Qt::Key_F3);
    Editspread1 = addItem(Spreads1, "Editspread1", QStringLiteral("Edit..."), Qt::Key_F4);

    View1 = addMenu(bar, "View1", QStringLiteral("View"));
    RemoveDeck1 =
        addItem(View1, "RemoveDeck1", QStringLiteral("Toggle spread view"), Qt::Key_Delete);
    View1->addSeparator();
    Backgroundcolor1 = addItem(View1, "Backgroundcolor1", QStringLiteral("Background color..."),
                               Qt::CTRL | Qt::Key_B);
    Defaultbackground1 = addItem(View1, "Defaultbackground1", QStringLiteral("Default background"));
    View1->addSeparator();
    Showlayouttips1 = addCheckItem(View1, "Showlayouttips1", QStringLiteral("Show spread tips"),
                                   Qt::CTRL | Qt::Key_T);

    Menu2 = addMenu(bar, "Menu2", QStringLiteral("Options"));
    Selectdesk1 =
        addItem(Menu2, "Selectdesk1", QStringLiteral("Select deck..."), Qt::CTRL | Qt::Key_D);
    Menu2->addSeparator();
    MajorArcanaonly1 = addCheckItem(Menu2, "MajorArcanaonly1", QStringLiteral("Major Arcana only"),
                                    Qt::CTRL | Qt::Key_A);
    Usereversedpositions1 =
        addCheckItem(Menu2, "Usereversedpositions1", QStringLiteral("Use reverse positions"),
                     Qt::CTRL | Qt::Key_R);
    Drawcardsautomatically1 =
        addCheckItem(Menu2, "Drawcardsautomatically1", QStringLiteral("Draw cards automatically"),
                     Qt::CTRL | Qt::Key_F9);
    Menu2->addSeparator();
    CutDeck1 = addCheckItem(Menu2, "CutDeck1", QStringLiteral("Cut deck"));
    Cutdeckin3piles1 =
        addCheckItem(Menu2, "Cutdeckin3piles1", QStringLiteral("Cut deck in 3 piles"));
    Menu2->addSeparator();
    Resizeenlargedcard1 =
        addItem(Menu2, "Resizeenlargedcard1", QStringLiteral("Enlarged image settings..."),
                Qt::CTRL | Qt::Key_I);
    Menu2->addSeparator();
    Musicsettings1 =
        addItem(Menu2, "Musicsettings1", QStringLiteral("Music settings..."), Qt::CTRL | Qt::Key_M);
    Playmusic1 = addCheckItem(Menu2, "Playmusic1", QStringLiteral("Play music"));
    Menu2->addSeparator();
    Language1 = addItem(Menu2, "Language1", QStringLiteral("Language"), Qt::CTRL | Qt::Key_L);

    Help1 = addMenu(bar, "Help1", QStringLiteral("Help"));
    Contents1 = addItem(Help1, "Contents1", QStringLiteral("Contents"), Qt::Key_F1);
    Help1->addSeparator();
    About1 = addItem(Help1, "About1", QStringLiteral("About..."));

    connect(SelectlayoutF12, &QAction::triggered, this, &TableWindow::SelectlayoutF12Click);
    connect(SelectlayoutF11, &QAction::triggered, this, &TableWindow::SelectlayoutF11Click);
    connect(Input1, &QAction::triggered, this, &TableWindow::Input1Click);
    connect(Savecurrentreading1, &QAction::triggered, this, &TableWindow::Savecurrentreading1Click);
    connect(Openreading1, &QAction::triggered, this, &TableWindow::Openreading1Click);
    connect(Exit1, &QAction::triggered, this, &TableWindow::Exit1Click);
    connect(RemoveDeck1, &QAction::triggered, this, &TableWindow::RemoveDeck1Click);
    connect(Backgroundcolor1, &QAction::triggered, this, &TableWindow::Backgroundcolor1Click);
    connect(Defaultbackground1, &QAction::triggered, this, &TableWindow::Defaultbackground1Click);
    connect(Resizeenlargedcard1, &QAction::triggered, this, &TableWindow::Resizeenlargedcard1Click);
    connect(MajorArcanaonly1, &QAction::triggered, this, &TableWindow::MajorArcanaonly1Click);
    connect(Usereversedpositions1, &QAction::triggered, this,
            &TableWindow::Usereversedpositions1Click);
    connect(Drawcardsautomatically1, &QAction::triggered, this,
            &TableWindow::Drawcardsautomatically1Click);
    connect(CutDeck1, &QAction::triggered, this, &TableWindow::CutDeck1Click);
    connect(Cutdeckin3piles1, &QAction::triggered, this, &TableWindow::Cutdeckin3piles1Click);
    connect(Showlayouttips1, &QAction::triggered, this, &TableWindow::Showlayouttips1Click);
    connect(Language1, &QAction::triggered, this, &TableWindow::Language1Click);
    connect(Contents1, &QAction::triggered, this, &TableWindow::Contents1Click);
    connect(About1, &QAction::triggered, this, &TableWindow::About1Click);

    // Commands whose windows this build does not have yet stay greyed out.
    for (QAction *pending :
         {Print1, Createnewspread1, Editspread1, Selectdesk1, Musicsettings1, Playmusic1})
        pending->setEnabled(false);
}

void TableWindow::createControls()
{
    Canvas = new TableCanvas(this);
    Canvas->setObjectName(QStringLiteral("Canvas"));
    setCentralWidget(Canvas);

    ScrollBox1 = new QScrollArea(Canvas);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    auto *spreadArea = new QWidget;
    spreadArea->setObjectName(QStringLiteral("SpreadArea"));
    ScrollBox1->setWidget(spreadArea);

    Panel1 = new QFrame(Canvas);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel2 = new QFrame(Canvas);
    Panel2->setObjectName(QStringLiteral("Panel2"));

    Label1 = new QLabel(Canvas);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont nameFont = Label1->font();
    nameFont.setBold(true);
    Label1->setFont(nameFont);
    Label2 = new QLabel(Canvas);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (QLabel *label : {Label1, Label2})
        setTextColor(label, TableColor::fromQColor(QColor(0xf3, 0xea, 0xd2)));

    Label4 = new QLabel(Canvas);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setTextColor(Label4, TipColor);

    SpeedButton1 = new QPushButton(QStringLiteral("Shuffle"), Canvas);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton2 = new QPushButton(QStringLiteral("Stop"), Canvas);
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton3 = new QPushButton(QStringLiteral("Cut deck"), Canvas);
    SpeedButton3->setObjectName(QStringLiteral("SpeedButton3"));
    for (QPushButton *button : {SpeedButton1, SpeedButton2, SpeedButton3})
        button->resize(81, 25);
    SpeedButton2->setEnabled(false);

    m_largeBack = CardBack::render(QSize(115, 196));
    m_smallBack = CardBack::render(QSize(58, 98));

    for (QWidget *hidden : std::initializer_list<QWidget *>{
             SpeedButton1, SpeedButton2, SpeedButton3, Panel1, Panel2, Label1, Label2, ScrollBox1})
        hidden->hide();
    ScrollBox1->viewport()->installEventFilter(this);
    connect(Canvas, &TableCanvas::wheelTurned, this, &TableWindow::onWheel);
    connect(Canvas, &TableCanvas::mousePressed, this, &TableWindow::FormMouseDown);
    connect(SpeedButton1, &QPushButton::clicked, this, &TableWindow::SpeedButton1Click);
    connect(SpeedButton2, &QPushButton::clicked, this, &TableWindow::SpeedButton2Click);
    connect(SpeedButton3, &QPushButton::clicked, this, &TableWindow::SpeedButton3Click);

    connect(Canvas, &TableCanvas::resized, this, [this] {
        layOutControls();
        FormPaint();
    });
}

void TableWindow::layOutControls()
{
    const int outerWidth = width();
    const int outerHeight = height();
    const int clientWidth = Canvas->width();
    const int clientHeight = Canvas->height();

    ScrollBox1->setGeometry(150, 200, clientWidth - 150, clientHeight - 200);
    TableRect = ScrollBox1->geometry();
    Panel1->setGeometry(0, 198, clientWidth, 2);
    Panel2->setGeometry(148, 200, 2, clientHeight - 200);
    Label1->setGeometry(10, 210, 118, 60);
    Label2->setGeometry(10, 270, 118, clientHeight - 270);
    SpeedButton1->move(outerWidth / 2 - 91, outerHeight - 120);
    SpeedButton2->move(outerWidth / 2 + 10, outerHeight - 120);
    SpeedButton3->move((outerWidth - SpeedButton3->width()) / 2, outerHeight - 120);
    Label4->setGeometry(outerWidth - 240, 10, 220, 24);
    if (ExtraCardImage) {
        ExtraCardImage->setGeometry((148 - SmallCardWidth) / 2, clientHeight - SmallCardHeight - 20,
                                    SmallCardWidth, SmallCardHeight);
    }
}

void TableWindow::applyMenuChecks()
{
    CutDeck1->setChecked(CutDeck);
    Cutdeckin3piles1->setChecked(CutThreePiles);
    Cutdeckin3piles1->setEnabled(CutDeck);
    MajorArcanaonly1->setChecked(MajorOnly);
    Playmusic1->setChecked(PlayMusic);
    Showlayouttips1->setChecked(UseTips);
    Drawcardsautomatically1->setChecked(DrawAuto);
    Usereversedpositions1->setChecked(UseReverse);
}

void TableWindow::applyBackColor()
{
    for (QWidget *widget : {static_cast<QWidget *>(Panel1), static_cast<QWidget *>(Panel2),
                            static_cast<QWidget *>(ScrollBox1), ScrollBox1->widget()})
        setBackground(widget, BackColor);
    setTextColor(Label4, TableColor::noticeColorFor(BackColor, TipColor));
    FormPaint();
}

void TableWindow::FormPaint()
{
    QImage &image = Canvas->image();
    if (image.isNull())
        return;
    image.fill(TableColor::toQColor(BackColor));
    if (DeckFanned) {
        Label4->hide();
        for (int slot = 0; slot < DeckSize; ++slot)
            PaintBack(Cards[slot]);
    } else {
        QPainter painter(&image);
        const QPoint first(width() / 2 - 77, height() / 2 - 164);
        for (int copy = 0; copy < 18; ++copy)
            painter.drawImage(first + QPoint(4 * copy, 4 * copy), m_largeBack);
        Label4->show();
    }
    Canvas->update();
}

void TableWindow::showOptionNotice()
{
    Label4->setText(MajorOnly ? uiText(UiText::MajorArcanaOnlyNotice) : QString());
}

void TableWindow::LoadLangu()
{
    QList<QByteArray> lines = LanguageFiles::readUiTexts(AppDir, Language);
    if (lines.isEmpty())
        return;
    UiTexts.replace(std::move(lines));
    setCaptions();
    CardTitles::SetTitles(CardTitles, AppDir, Language, Deck79, numbering());
    HelpFile = LanguageFiles::helpFileFor(AppDir, Language, HelpFile);
}

void TableWindow::setCaptions()
{
    const std::pair<QAction *, int> items[] = {
        {Menu1->menuAction(), UiText::MenuReadings},
        {SelectlayoutF12, UiText::MenuStart},
        {Openreading1, UiText::MenuOpen},
        {Savecurrentreading1, UiText::MenuSave},
        {Input1, UiText::MenuInput},
        {Print1, UiText::MenuPrint},
        {Exit1, UiText::MenuExit},
        {SelectlayoutF11, UiText::MenuStartReading},
        {Spreads1->menuAction(), UiText::MenuSpreads},
        {Createnewspread1, UiText::MenuCreateSpread},
        {Editspread1, UiText::MenuEditSpread},
        {View1->menuAction(), UiText::MenuView},
        {RemoveDeck1, UiText::MenuToggleSpreadView},
        {Backgroundcolor1, UiText::MenuBackgroundColor},
        {Defaultbackground1, UiText::MenuDefaultBackground},
        {Showlayouttips1, UiText::MenuShowSpreadTips},
        {Menu2->menuAction(), UiText::MenuOptions},
        {Selectdesk1, UiText::MenuSelectDeck},
        {MajorArcanaonly1, UiText::MenuMajorArcanaOnly},
        {Usereversedpositions1, UiText::MenuUseReversed},
        {Drawcardsautomatically1, UiText::MenuDrawAutomatically},
        {CutDeck1, UiText::MenuCutDeck},
        {Cutdeckin3piles1, UiText::MenuCutThreePiles},
        {Resizeenlargedcard1, UiText::MenuImageSettings},
        {Musicsettings1, UiText::MenuMusicSettings},
        {Playmusic1, UiText::MenuPlayMusic},
        {Language1, UiText::MenuLanguage},
        {Help1->menuAction(), UiText::MenuHelp},
        {Contents1, UiText::MenuContents},
        {About1, UiText::MenuAbout},
    };
    for (const auto &[action, index] : items)
        action->setText(uiText(index));
    SpeedButton1->setText(uiText(UiText::Shuffle));
    SpeedButton2->setText(uiText(UiText::Stop));
    SpeedButton3->setText(uiText(UiText::CutDeckButton));
    commentsWindow->retranslate(UiTexts);
}

void TableWindow::closeEvent(QCloseEvent *event)
{
    FormCloseQuery();
    if (!m_closed) {
        m_closed = true;
        FormClose();
    }
    event->accept();
}

void TableWindow::FormCloseQuery()
{
    Shuffling = false; // lets a running shuffle end before the table goes
}

void TableWindow::FormClose()
{
    // A loop that lets the window react (the automatic draw) stops here. The
    // widgets themselves go with the window.
    ++m_readingGeneration;
    commentsWindow->hide();
    {
        QSettings settings(QLatin1String(SettingsStore::Organization),
                           QLatin1String(SettingsStore::Application));
        SettingsStore::write(settings, *this);
    }
    DataFolders::emptyTemp(AppDir);
}

void TableWindow::Exit1Click()
{
    close();
}

void TableWindow::MajorArcanaonly1Click()
{
    MajorOnly = !MajorOnly;
    MajorArcanaonly1->setChecked(MajorOnly);
    showOptionNotice();
}

void TableWindow::Usereversedpositions1Click()
{
    UseReverse = !UseReverse;
    Usereversedpositions1->setChecked(UseReverse);
}

void TableWindow::Drawcardsautomatically1Click()
{
    DrawAuto = !DrawAuto;
    Drawcardsautomatically1->setChecked(DrawAuto);
    // The reading in progress keeps the mode it started with; say so while it
    // has not reached the drawing yet.
    const bool beforeDrawing = Shuffling || !SpeedButton1->isHidden() || !SpeedButton3->isHidden();
    if (beforeDrawing)
        m_interaction.showMessage(
            this, uiText(DrawAuto ? UiText::AutoDrawTurnedOn : UiText::AutoDrawTurnedOff));
}

void TableWindow::CutDeck1Click()
{
    CutDeck = !CutDeck;
    CutDeck1->setChecked(CutDeck);
    Cutdeckin3piles1->setEnabled(CutDeck);
}

void TableWindow::Cutdeckin3piles1Click()
{
    CutThreePiles = !CutThreePiles;
    Cutdeckin3piles1->setChecked(CutThreePiles);
}

void TableWindow::Showlayouttips1Click()
{
    UseTips = !UseTips;
    Showlayouttips1->setChecked(UseTips);
    for (int i = 0; i < spread.PositionCount; ++i) {
        if (PositionImages[i])
            PositionImages[i]->setToolTip(UseTips ? QString::fromLocal8Bit(spread.Explanation[i])
                                                  : QString());
    }
}

void TableWindow::Language1Click()
{
    LanguageDialog dialog(LanguageFiles::languageEntries(AppDir), Language, UiTexts, this);
    if (m_interaction.execDialog(dialog) != QDialog::Accepted)
        return;
    Language = dialog.selectedLanguage();
    LoadLangu();
}

void TableWindow::Contents1Click()
{
    m_interaction.openDocument(LanguageFiles::contentsDocument(AppDir, Language));
}

void TableWindow::About1Click()
{
    AboutBox about(UiTexts, this);
    m_interaction.execDialog(about);
}
