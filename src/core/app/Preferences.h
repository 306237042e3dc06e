#pragma once

#include "core/app/TableColor.h"
#include "core/lang/CardTitles.h"

#include <QObject>
#include <QString>
#include <QStringList>

// How the music plays when no spread has music of its own.
enum class PlayMode
{
    // The one file selected, over and over.
    SelectedFile = 0,
    // The files of the music folder in order.
    InOrder = 1,
    // The files of the music folder at random.
    Random = 2,
};

// The formats a report can be made in, numbered as the settings store them.
enum class ReportFormat
{
    Word = 0,
    Html = 1,
    OpenDocument = 2,
    Pdf = 3,
    // No file: the PDF document's pages sent to a printer the user chooses.
    Printer = 4,
};

// The user's preferences: what the settings store keeps between runs, and
// a few choices that last until the program ends. Every setter that changes
// a value says so with changed(), so views and the store follow on their own.
class Preferences : public QObject
{
    Q_OBJECT

public:
    // One per value, to say which one changed.
    enum class Setting
    {
        DeckName,
        Language,
        BackColor,
        CardWidth,
        CardHeight,
        DetailWidth,
        DetailHeight,
        MeaningPanelWidth,
        MeaningPanelHeight,
        KeepStraight,
        KeepActual,
        UseTips,
        UseReverse,
        MajorOnly,
        DrawAuto,
        CutDeck,
        CutThreePiles,
        ArdenvaleStyle,
        StrengthEleven,
        QuerentCard,
        ReportFormat,
        PrintView,
        PrintSchema,
        PrintBigCards,
        PrintExplanations,
        PrintCompact,
        ReportFolder,
        ReportComments,
        MusicDir,
        MusicFile,
        LastMusicFile,
        PlayMode,
        ResetMusic,
        IgnoreSpreadMusic,
        PlayMusic,
        MusicVolume,
        SaveWithDeck,
        SaveAsDefault,
        KeepEveryReading,
        JournalAsked,
        JournalFolders,
    };
    Q_ENUM(Setting)

    explicit Preferences(QObject *parent = nullptr);

    QString deckName() const { return m_deckName; }
    void setDeckName(const QString &name) { update(m_deckName, name, Setting::DeckName); }
    QString language() const { return m_language; }
    void setLanguage(const QString &language) { update(m_language, language, Setting::Language); }

    // Appearance of the table and the card detail window
    BgrColor backColor() const { return m_backColor; }
    void setBackColor(BgrColor color) { update(m_backColor, color, Setting::BackColor); }
    int cardWidth() const { return m_cardWidth; }
    void setCardWidth(int width) { update(m_cardWidth, width, Setting::CardWidth); }
    int cardHeight() const { return m_cardHeight; }
    void setCardHeight(int height) { update(m_cardHeight, height, Setting::CardHeight); }
    int detailWidth() const { return m_detailWidth; }
    void setDetailWidth(int width) { update(m_detailWidth, width, Setting::DetailWidth); }
    int detailHeight() const { return m_detailHeight; }
    void setDetailHeight(int height) { update(m_detailHeight, height, Setting::DetailHeight); }
    // The panel of the card detail window that shows the card's meaning text.
    int meaningPanelWidth() const { return m_meaningPanelWidth; }
    void setMeaningPanelWidth(int width)
    {
        update(m_meaningPanelWidth, width, Setting::MeaningPanelWidth);
    }
    int meaningPanelHeight() const { return m_meaningPanelHeight; }
    void setMeaningPanelHeight(int height)
    {
        update(m_meaningPanelHeight, height, Setting::MeaningPanelHeight);
    }
    bool keepStraight() const { return m_keepStraight; }
    void setKeepStraight(bool on) { update(m_keepStraight, on, Setting::KeepStraight); }
    bool keepActual() const { return m_keepActual; }
    void setKeepActual(bool on) { update(m_keepActual, on, Setting::KeepActual); }
    bool useTips() const { return m_useTips; }
    void setUseTips(bool on) { update(m_useTips, on, Setting::UseTips); }

    // Reading options
    bool useReverse() const { return m_useReverse; }
    void setUseReverse(bool on) { update(m_useReverse, on, Setting::UseReverse); }
    bool majorOnly() const { return m_majorOnly; }
    void setMajorOnly(bool on) { update(m_majorOnly, on, Setting::MajorOnly); }
    bool drawAuto() const { return m_drawAuto; }
    void setDrawAuto(bool on) { update(m_drawAuto, on, Setting::DrawAuto); }
    bool cutDeck() const { return m_cutDeck; }
    void setCutDeck(bool on) { update(m_cutDeck, on, Setting::CutDeck); }
    bool cutThreePiles() const { return m_cutThreePiles; }
    void setCutThreePiles(bool on) { update(m_cutThreePiles, on, Setting::CutThreePiles); }
    bool ardenvaleStyle() const { return m_ardenvaleStyle; }
    void setArdenvaleStyle(bool on) { update(m_ardenvaleStyle, on, Setting::ArdenvaleStyle); }
    bool strengthEleven() const { return m_strengthEleven; }
    void setStrengthEleven(bool on) { update(m_strengthEleven, on, Setting::StrengthEleven); }
    CardTitles::Numbering numbering() const { return {m_strengthEleven, m_ardenvaleStyle}; }
    // The card last chosen as the first significator, offered first next time.
    int querentCard() const { return m_querentCard; }
    void setQuerentCard(int number) { update(m_querentCard, number, Setting::QuerentCard); }

    // Reports
    ReportFormat reportFormat() const { return m_reportFormat; }
    void setReportFormat(ReportFormat format)
    {
        update(m_reportFormat, format, Setting::ReportFormat);
    }
    bool printView() const { return m_printView; }
    void setPrintView(bool on) { update(m_printView, on, Setting::PrintView); }
    bool printSchema() const { return m_printSchema; }
    void setPrintSchema(bool on) { update(m_printSchema, on, Setting::PrintSchema); }
    bool printBigCards() const { return m_printBigCards; }
    void setPrintBigCards(bool on) { update(m_printBigCards, on, Setting::PrintBigCards); }
    bool printExplanations() const { return m_printExplanations; }
    void setPrintExplanations(bool on)
    {
        update(m_printExplanations, on, Setting::PrintExplanations);
    }
    // Each card beside its text, two or three positions a page.
    bool printCompact() const { return m_printCompact; }
    void setPrintCompact(bool on) { update(m_printCompact, on, Setting::PrintCompact); }
    // The folder reports are kept in; empty for the Reports folder of the user's data.
    QString reportFolder() const { return m_reportFolder; }
    void setReportFolder(const QString &folder)
    {
        update(m_reportFolder, folder, Setting::ReportFolder);
    }
    // The comments shown at the top of a report; not stored between runs.
    QString reportComments() const { return m_reportComments; }
    void setReportComments(const QString &comments)
    {
        update(m_reportComments, comments, Setting::ReportComments);
    }

    // Music
    QString musicDir() const { return m_musicDir; }
    void setMusicDir(const QString &dir) { update(m_musicDir, dir, Setting::MusicDir); }
    // The piece chosen to play now, which may be a spread's own.
    QString musicFile() const { return m_musicFile; }
    void setMusicFile(const QString &path) { update(m_musicFile, path, Setting::MusicFile); }
    // The last piece chosen from the folder or by the user, played again next time.
    QString lastMusicFile() const { return m_lastMusicFile; }
    void setLastMusicFile(const QString &path)
    {
        update(m_lastMusicFile, path, Setting::LastMusicFile);
    }
    PlayMode playMode() const { return m_playMode; }
    void setPlayMode(PlayMode mode) { update(m_playMode, mode, Setting::PlayMode); }
    bool resetMusic() const { return m_resetMusic; }
    void setResetMusic(bool on) { update(m_resetMusic, on, Setting::ResetMusic); }
    bool ignoreSpreadMusic() const { return m_ignoreSpreadMusic; }
    void setIgnoreSpreadMusic(bool on)
    {
        update(m_ignoreSpreadMusic, on, Setting::IgnoreSpreadMusic);
    }
    bool playMusic() const { return m_playMusic; }
    void setPlayMusic(bool on) { update(m_playMusic, on, Setting::PlayMusic); }
    // Loudness of the music in percent.
    int musicVolume() const { return m_musicVolume; }
    void setMusicVolume(int percent) { update(m_musicVolume, percent, Setting::MusicVolume); }

    // Where an edited meaning text is saved; not stored between runs.
    bool saveWithDeck() const { return m_saveWithDeck; }
    void setSaveWithDeck(bool on) { update(m_saveWithDeck, on, Setting::SaveWithDeck); }
    bool saveAsDefault() const { return m_saveAsDefault; }
    void setSaveAsDefault(bool on) { update(m_saveAsDefault, on, Setting::SaveAsDefault); }

    // The journal: whether every completed reading is kept in it, whether the
    // user was asked so, and the folders it reads besides the Saved ones.
    bool keepEveryReading() const { return m_keepEveryReading; }
    void setKeepEveryReading(bool on) { update(m_keepEveryReading, on, Setting::KeepEveryReading); }
    bool journalAsked() const { return m_journalAsked; }
    void setJournalAsked(bool on) { update(m_journalAsked, on, Setting::JournalAsked); }
    QStringList journalFolders() const { return m_journalFolders; }
    void setJournalFolders(const QStringList &folders)
    {
        update(m_journalFolders, folders, Setting::JournalFolders);
    }

signals:
    // `setting` took a new value; setting a value it already has says nothing.
    void changed(Preferences::Setting setting);

private:
    template <typename T> void update(T &field, const T &value, Setting setting)
    {
        if (field == value)
            return;
        field = value;
        emit changed(setting);
    }

    QString m_deckName = QStringLiteral("Ardenvale");
    QString m_language = QStringLiteral("English");
    BgrColor m_backColor = TableColor::DefaultBackColor;
    int m_cardWidth = 200;
    int m_cardHeight = 290;
    int m_detailWidth = 532;
    int m_detailHeight = 479;
    int m_meaningPanelWidth = 229;
    int m_meaningPanelHeight = 248;
    bool m_keepStraight = false;
    bool m_keepActual = true;
    bool m_useTips = true;
    bool m_useReverse = false;
    bool m_majorOnly = false;
    bool m_drawAuto = false;
    bool m_cutDeck = true;
    bool m_cutThreePiles = false;
    bool m_ardenvaleStyle = true;
    bool m_strengthEleven = true;
    int m_querentCard = -1;
    ReportFormat m_reportFormat = ReportFormat::Word;
    bool m_printView = true;
    bool m_printSchema = false;
    bool m_printBigCards = false;
    bool m_printExplanations = true;
    bool m_printCompact = false;
    QString m_reportFolder;
    QString m_reportComments;
    QString m_musicDir;
    QString m_musicFile;
    QString m_lastMusicFile;
    PlayMode m_playMode = PlayMode::Random;
    bool m_resetMusic = true;
    bool m_ignoreSpreadMusic = false;
    bool m_playMusic = false;
    int m_musicVolume = 70;
    bool m_saveWithDeck = true;
    bool m_saveAsDefault = false;
    bool m_keepEveryReading = false;
    bool m_journalAsked = false;
    QStringList m_journalFolders;
};
