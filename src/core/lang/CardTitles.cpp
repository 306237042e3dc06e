#include "core/lang/CardTitles.h"

#include "core/lang/BuiltinTitles.h"
#include "core/lang/LanguageFiles.h"
#include "core/util/WholeFile.h"

namespace {

// Reads lines off a text the way the card list is consumed: a line ends at a
// CR, and an LF right after it is part of the line end.
class LineCursor
{
public:
    explicit LineCursor(const QByteArray &text)
        : m_text(text)
    {}

    bool hasLineEnd() const { return m_text.indexOf('\r', m_pos) >= 0; }
    QByteArray rest() const { return m_text.mid(m_pos); }

    QByteArray take()
    {
        const qsizetype cr = m_text.indexOf('\r', m_pos);
        if (cr < 0) {
            const QByteArray line = rest();
            m_pos = m_text.size();
            return line;
        }
        const QByteArray line = m_text.mid(m_pos, cr - m_pos);
        m_pos = cr + 1;
        if (m_pos < m_text.size() && m_text.at(m_pos) == '\n')
            ++m_pos;
        return line;
    }

    void skip(int lines)
    {
        for (int i = 0; i < lines; ++i)
            take();
    }

private:
    const QByteArray &m_text;
    qsizetype m_pos = 0;
};

bool endsTraditionalCourts(int card)
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
    LineCursor cursor(text);
    int card = 0;
    for (; cursor.hasLineEnd() && card <= 78; ++card) {
        titles[card] = cursor.take();
        if (card == 8 || card == 11) {
            const QByteArray alternative = cursor.take();
            if (!numbering.strengthEleven)
                titles[card] = alternative;
        }
        // Each suit lists the traditional court titles, then the newer ones;
        // the unused four are skipped.
        if (numbering.ardenvaleStyle ? endsTraditionalCourts(card) : endsNumberedCards(card))
            cursor.skip(4);
    }
    const QByteArray tail = cursor.rest();
    if (!tail.isEmpty() && card <= 78)
        titles[card] = tail;
}

void CardTitles::load(Table &titles, const QString &appDir, const QString &language, bool deck79,
                      const Numbering &numbering)
{
    if (deck79) {
        for (int card = 0; card < BuiltinTitles::Count; ++card)
            titles[card] = BuiltinTitles::title(card);
        return;
    }
    const QString path =
        LanguageFiles::fileWithFallback(appDir, language, QStringLiteral("Cards.lng"));
    QByteArray text;
    if (!path.isEmpty())
        WholeFile::read(path, text); // a read error keeps what was read before it
    if (!text.isEmpty())
        applyCardList(text, numbering, titles);
}
