#pragma once

#include "ui/common/DialogContext.h"

#include <QObject>

class MusicController;
class QWidget;

// The option commands that ask in a dialog: the deck, the language, the
// enlarged image, the music and each spread's own music. What is chosen
// goes into the preferences.
class OptionDialogs : public QObject
{
    Q_OBJECT

public:
    // `window` parents the dialogs; every argument must outlive the commands.
    OptionDialogs(QWidget *window, const DialogContext &context, MusicController &music);

    void chooseDeck();
    void chooseLanguage();
    void openImageSettings();
    void openMusicSettings();
    void editSpreadMusic();

private:
    QWidget *m_window;
    DialogContext m_context;
    MusicController &m_music;
};
