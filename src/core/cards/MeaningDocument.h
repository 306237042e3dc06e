#pragma once

#include "core/cards/MeaningText.h"

#include <QByteArray>
#include <QString>

// A card's meaning as text to edit. It is read as MeaningText looks it up and
// written back where MeaningText saves it: in the very bytes it was read from
// while unchanged, else in the encoding it was read in when that can hold it.
class MeaningDocument
{
public:
    explicit MeaningDocument(MeaningText::Source source);

    // The meaning with bare line feeds, as a text field holds it.
    QString text() const;

    // Writes `text` as MeaningText::save does, with the line breaks of the
    // files the program ships; false, with the reason, when a write failed.
    bool save(const QString &text, bool withDeck, bool asDefault,
              QString *errorString = nullptr) const;

private:
    MeaningText::Source m_source;
    QByteArray m_bytes;
};
