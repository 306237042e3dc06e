#include "MidiWriter.h"

#include <algorithm>
#include <tuple>

namespace {

// Quiet after the last note, so the reverb of the last chord can fade.
constexpr qint64 TailTicks = Score::TicksPerQuarter * 2;

void appendBigEndian(QByteArray &bytes, quint32 value, int size)
{
    for (int shift = (size - 1) * 8; shift >= 0; shift -= 8)
        bytes.append(char((value >> shift) & 0xff));
}

void appendVariableLength(QByteArray &bytes, quint32 value)
{
    QByteArray reversed;
    reversed.append(char(value & 0x7f));
    while ((value >>= 7) != 0)
        reversed.append(char((value & 0x7f) | 0x80));
    std::reverse(reversed.begin(), reversed.end());
    bytes.append(reversed);
}

struct Event
{
    qint64 tick;
    // Note-offs sort before note-ons at the same tick, so a note repeated
    // at once is not cut short.
    int order;
    QByteArray data;
};

QByteArray chunk(const char *type, const QByteArray &body)
{
    QByteArray bytes(type, 4);
    appendBigEndian(bytes, quint32(body.size()), 4);
    return bytes + body;
}

QByteArray track(QList<Event> events, qint64 endTick)
{
    std::stable_sort(events.begin(), events.end(), [](const Event &a, const Event &b) {
        return std::tie(a.tick, a.order) < std::tie(b.tick, b.order);
    });
    QByteArray body;
    qint64 now = 0;
    for (const Event &event : events) {
        appendVariableLength(body, quint32(event.tick - now));
        body.append(event.data);
        now = event.tick;
    }
    appendVariableLength(body, quint32(std::max<qint64>(endTick - now, 0)));
    body.append("\xff\x2f\x00", 3);
    return chunk("MTrk", body);
}

Event meta(qint64 tick, int type, const QByteArray &data)
{
    QByteArray bytes;
    bytes.append(char(0xff));
    bytes.append(char(type));
    appendVariableLength(bytes, quint32(data.size()));
    bytes.append(data);
    return {tick, 0, bytes};
}

Event channelEvent(qint64 tick, int order, int status, int channel, int first, int second = -1)
{
    QByteArray bytes;
    bytes.append(char(status | (channel - 1)));
    bytes.append(char(first));
    if (second >= 0)
        bytes.append(char(second));
    return {tick, order, bytes};
}

int log2Of(int value)
{
    int power = 0;
    while ((1 << power) < value)
        ++power;
    return power;
}

} // namespace

QByteArray MidiWriter::write(const Score::Piece &piece)
{
    qint64 totalTicks = 0;
    const QMap<QString, QList<Score::Note>> performed = Score::perform(piece, totalTicks);
    const qint64 endTick = totalTicks + TailTicks;

    QByteArray file;
    QByteArray header;
    appendBigEndian(header, 1, 2);
    appendBigEndian(header, quint32(piece.voices.size() + 1), 2);
    appendBigEndian(header, Score::TicksPerQuarter, 2);
    file += chunk("MThd", header);

    QByteArray tempo;
    appendBigEndian(tempo, quint32(60000000 / piece.tempo), 3);
    QByteArray meter;
    meter.append(char(piece.meterNumerator));
    meter.append(char(log2Of(piece.meterDenominator)));
    meter.append(char(24));
    meter.append(char(8));
    file += track({meta(0, 0x03, piece.title.toUtf8()), meta(0, 0x51, tempo), meta(0, 0x58, meter)},
                  endTick);

    for (const Score::Voice &voice : piece.voices) {
        QList<Event> events = {
            meta(0, 0x03, voice.name.toUtf8()),
            channelEvent(0, 0, 0xc0, voice.channel, voice.program - 1),
            channelEvent(0, 0, 0xb0, voice.channel, 7, voice.volume),
            channelEvent(0, 0, 0xb0, voice.channel, 10, voice.pan),
            channelEvent(0, 0, 0xb0, voice.channel, 91, voice.reverb),
        };
        for (const Score::Note &note : performed.value(voice.name)) {
            const qint64 sounding = std::max<qint64>(note.length * voice.legato / 100, 1);
            events << channelEvent(note.start, 2, 0x90, voice.channel, note.pitch, note.velocity)
                   << channelEvent(note.start + sounding, 1, 0x80, voice.channel, note.pitch, 64);
        }
        file += track(events, endTick);
    }
    return file;
}
