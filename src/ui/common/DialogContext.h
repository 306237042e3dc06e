#pragma once

class CardFaceCache;
class Interaction;
class Preferences;
class ProgramData;

// What the table's dialogs and commands share: the program's data, the
// user's preferences, the card pictures and the way to ask the person.
// Everything it names outlives the dialogs.
struct DialogContext
{
    ProgramData &data;
    Preferences &preferences;
    CardFaceCache &faces;
    Interaction &interaction;
};
