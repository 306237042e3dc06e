#include "core/lang/CardTitles.h"

#include "core/lang/BuiltinTitles.h"
#include "core/lang/LanguageFiles.h"
#include "core/util/TextLines.h"
#include "core/util/WholeFile.h"

namespace {

// Each suit block lists the New Age court titles, then the traditional ones.
bool endsNewAgeCourts(int card)
{
    return card == 35 || card == 49 || card == 63 || card == 77;
}

bool endsNumberedCards(int card)
{
    return card == 31 || card == 45 || card == 59 || card == 73;
}

} // namespace

void CardTitles::applyCardList(const QByteArray &text, const Numbering &numbering, Table &titles)
{
    TextLines::Cursor cursor(text);
    // A line without a line end after it is taken too, as the last one.
    const auto take = [&cursor] {
        if (const std::optional<QByteArray> line = cursor.next())
            return *line;
        const QByteArray last = cursor.rest();
        cursor = TextLines::Cursor(QByteArray());
        return last;
    };
    int card = 0;
    for (; cursor.hasLineEnd() && card <= 78; ++card) {
        titles[card] = take();
        if (card == 8 || card == 11) {
            const QByteArray alternative = take();
            if (!numbering.strengthEleven)
                titles[card] = alternative;
        }
        // The four court titles of the sequence not in use are skipped.
        if (numbering.ardenvaleStyle ? endsNewAgeCourts(card) : endsNumberedCards(card)) {
            for (int skipped = 0; skipped < 4; ++skipped)
                take();
        }
    }
    const QByteArray tail = cursor.rest();
    if (!tail.isEmpty() && card <= 78)
        titles[card] = tail;
}

void CardTitles::load(Table &titles, const DataRoots &roots, const QString &language, bool deck79,
                      const Numbering &numbering)
{
    if (deck79) {
        for (int card = 0; card < BuiltinTitles::Count; ++card)
            titles[card] = BuiltinTitles::title(card);
        return;
    }
    const QString path =
        LanguageFiles::fileWithFallback(roots, language, QStringLiteral("Cards.lng"));
    QByteArray text;
    if (!path.isEmpty())
        WholeFile::read(path, text, nullptr, LanguageFiles::LargestFile); // keeps what was read
    if (!text.isEmpty() && LanguageFiles::isText(text))
        applyCardList(text, numbering, titles);
}
