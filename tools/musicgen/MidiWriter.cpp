#include "MidiWriter.h"

#include <algorithm>
#include <cmath>
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
    const Score::Performance performed = Score::perform(piece);
    const qint64 endTick = performed.totalTicks + TailTicks;

    QByteArray file;
    QByteArray header;
    appendBigEndian(header, 1, 2);
    appendBigEndian(header, quint32(piece.voices.size() + 1), 2);
    appendBigEndian(header, Score::TicksPerQuarter, 2);
    file += chunk("MThd", header);

    QByteArray meter;
    meter.append(char(piece.meterNumerator));
    meter.append(char(log2Of(piece.meterDenominator)));
    meter.append(char(24));
    meter.append(char(8));
    QList<Event> conductor = {meta(0, 0x03, piece.title.toUtf8()), meta(0, 0x58, meter)};
    for (const auto &[tick, quartersPerMinute] : performed.tempo) {
        QByteArray tempo;
        appendBigEndian(tempo, quint32(std::lround(60000000 / quartersPerMinute)), 3);
        conductor << meta(tick, 0x51, tempo);
    }
    file += track(conductor, endTick);

    // Volume and velocity both work in steps of 40 log10 of their value.
    const double gain = std::pow(10.0, piece.gain / 40.0);

    for (const Score::Voice &voice : piece.voices) {
        // What the volume cannot give, the velocities do; both act alike.
        const int volume = std::clamp(int(std::lround(voice.volume * gain)), 1, 127);
        const double velocityGain = voice.volume * gain / volume;
        QList<Event> events = {
            meta(0, 0x03, voice.name.toUtf8()),
            channelEvent(0, 0, 0xc0, voice.channel, voice.program - 1),
            channelEvent(0, 0, 0xb0, voice.channel, 7, volume),
            channelEvent(0, 0, 0xb0, voice.channel, 10, voice.pan),
            channelEvent(0, 0, 0xb0, voice.channel, 91, voice.reverb),
        };
        for (const auto &[tick, level] : performed.expression)
            events << channelEvent(tick, 0, 0xb0, voice.channel, 11, level);
        for (const Score::Note &note : performed.notes.value(voice.name)) {
            const qint64 sounding = std::max<qint64>(note.length * voice.legato / 100, 1);
            const int velocity = std::clamp(int(std::lround(note.velocity * velocityGain)), 1, 127);
            events << channelEvent(note.start, 2, 0x90, voice.channel, note.pitch, velocity)
                   << channelEvent(note.start + sounding, 1, 0x80, voice.channel, note.pitch, 64);
        }
        file += track(events, endTick);
    }
    return file;
}
