#pragma once

// Line indices of the interface texts in a language's List.lng.
namespace UiText {

enum Index : int
{
    Ok = 0,
    Cancel = 1,
    MenuReadings = 2,
    MenuStart = 3,
    MenuOpen = 4,
    MenuSave = 5,
    MenuInput = 6,
    MenuPrint = 7,
    MenuExit = 8,
    MenuStartReading = 9,
    MenuSpreads = 10,
    MenuCreateSpread = 11,
    MenuEditSpread = 12,
    MenuView = 13,
    MenuToggleSpreadView = 14,
    MenuBackgroundColor = 15,
    MenuDefaultBackground = 16,
    MenuShowSpreadTips = 17,
    MenuOptions = 18,
    MenuSelectDeck = 19,
    MenuMajorArcanaOnly = 20,
    MenuUseReversed = 21,
    MenuDrawAutomatically = 22,
    MenuCutThreePiles = 23,
    MenuImageSettings = 24,
    MenuMusicSettings = 25,
    MenuPlayMusic = 26,
    MenuHelp = 27,
    MenuContents = 28,
    MenuAbout = 29,
    SelectSpreadCaption = 31,
    SelectSpreadForInput = 32,
    NewSpreadCaption = 33,
    SelectSpreadToEdit = 34,
    EditSpreadCaption = 35,
    EditorAdd = 36,
    EditorDelete = 37,
    EditorExplanation = 38,
    CourtArcanaGroup = 40,
    StrengthArcanaGroup = 41,
    TraditionalSequence = 42,
    NewAgeSequence = 43,
    AutoDrawTurnedOff = 44,
    AutoDrawTurnedOn = 45,
    ImageSettingsCaption = 46,
    ImageSettingsInstruction = 47,
    ImageWidth = 48,
    ImageHeight = 49,
    Apply = 50,
    TextField = 51,
    DoNotReverseImage = 52,
    DoNotEnlargeImage = 53,
    AssociateSpreadsWithMusic = 54,
    IgnoreAssociations = 55,
    PlayModeGroup = 56,
    PlaySelectedFile = 57,
    PlayInOrder = 58,
    PlayRandom = 59,
    Shuffle = 62,
    Stop = 63,
    CutDeckButton = 64,
    SpreadCompleted = 65,
    PromptFirstPosition = 66,
    PromptSecondPosition = 67,
    PromptThirdPosition = 68,
    PromptNthPositionStart = 69,
    PromptNthPositionEnd = 70,
    Close = 71,
    SaveWithCurrentDeck = 72,
    SaveAsDefaultMeaning = 73,
    ExtraCardSubtitle = 74,
    ManualInputPrompt = 75,
    Straight = 76,
    Reversed = 77,
    ReversedWord = 78,
    CardAlreadyInSpread = 79,
    SignificatorCaption = 80,
    PrintSettingsCaption = 81,
    PrintWord = 82,
    PrintHtml = 83,
    PrintSpreadView = 84,
    SchematicView = 85,
    SmallCardImages = 86,
    PrintFullSizeImages = 87,
    PrintExplanations = 88,
    HtmlComments = 89,
    ReadingIncomplete = 92,
    Deck79WarningStart = 106,
    Deck79WarningEnd = 107,
    SpreadMissingForReading = 108,
    SpreadUnreadable = 109,
    CommentsCaption = 112,
    NoComments = 113,
    MajorArcanaOnlyNotice = 115,
    ReadingOpenedPrompt = 116,
    OrdinaryPositionCaption = 117,
    PositionGroup = 118,
    NoSpreadsFound = 119,
    NoSpreadsFoundHint = 120,
    SpreadHasNoPositions = 121,
    PositionsWithoutExplanation = 122,
    SizeNotWholeNumber = 125,
    UnsavedMeaningQuestion = 126,
    UnsavedMeaningTitle = 127,
    ExplanationDefault = 128,
    ExplanationCaption = 129,
    MenuLanguage = 130,
    // The spread editor's hints and the naming of a new spread.
    EditorAddHint = 131,
    EditorDeleteHint = 132,
    NewSpreadName = 133,
    SpreadNameTaken = 134,
    SignificatorPosition = 135,
    MenuCutDeck = 137,
    PrintOpenOffice = 138,

    // The prompt panel's next step in each phase of a reading.
    PromptStartReading = 139,
    PromptShuffle = 140,
    PromptShuffling = 141,
    PromptCut = 142,
    PromptSignificatorCancelled = 143,
    PromptAllFaceUp = 144,

    // Start-up notices about the program's own data.
    LanguageIncomplete = 145,
    DeckReplaced = 146,

    // Reading files, settings and spread files that cannot be used.
    NotAReadingFile = 147,
    SettingsNotWritten = 148,
    SpreadFileNamesUnusable = 149,

    // The spread editor: names a spread file cannot have, replacing a spread
    // and a spread that could not be written.
    SpreadNameEmpty = 150,
    SpreadNameNotAFileName = 151,
    SpreadNameControlCharacter = 152,
    ReplaceSpreadQuestion = 153,
    SpreadNotSaved = 154,

    // The deck chooser: the notice shown when Pics holds no deck, and the
    // number of cards a deck has.
    DecksNotFound = 155,
    DecksNotFoundHint = 156,
    DeckCardCount = 157,

    // Reports
    ReportFormatUnavailable = 158,
    ReportNotOpened = 159,

    // Reports as documents: the PDF and printer choices of the print settings.
    PrintPdf = 160,
    PrintOnPrinter = 161,

    // Music: the settings dialog's folder and loudness, the piece playing,
    // and the spread music that could not be written.
    MusicFolder = 162,
    ChooseMusicFolder = 163,
    MusicVolume = 164,
    NowPlaying = 165,
    SpreadMusicNotSaved = 166,

    // Texts that every language gives: the about box's version line, the
    // reading files' filter of the file chooser, and the failures of reading
    // and writing files.
    AboutVersion = 167,
    ReadingFilesFilter = 168,
    ReadingNotWritten = 169,
    NoSuchFile = 170,
    ReadingNotRead = 171,
    WordNotCreated = 172,
    OpenDocumentNotCreated = 173,
    PdfNotCreated = 174,
    HtmlNotCreated = 175,
    ReadingNotPrinted = 176,
    FolderMissing = 177,
    MeaningNotSaved = 178,
    // The prompt panel while significators are chosen, and once every
    // position holds its card.
    PromptChooseSignificator = 179,
    PromptSpreadFilled = 180,

    // The help window: its navigation buttons and the notice shown when no
    // guide is installed.
    HelpBack = 181,
    HelpForward = 182,
    HelpHome = 183,
    HelpMissing = 184,

    // Music: the notice that nothing can sound, the command that moves on to
    // another piece, and the spread music dialog's hint and its mark for a
    // file that is gone.
    NoSoundOutput = 185,
    MenuNextPiece = 186,
    SpreadMusicHint = 187,
    MusicFileMissing = 188,
    // The headline over a card picture that is there but cannot be shown.
    CardPictureRefused = 189,
};

} // namespace UiText
