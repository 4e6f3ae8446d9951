// Standard MIDI files of the scores (see midi_writer.h).
#include "midi_writer.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace tsu::assetgen {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct Message {
    long tick;
    int order; // at one tick: 0 set-up, 1 note off, 2 note on
    Bytes data;
};

void put_var(Bytes& b, unsigned long v) {
    unsigned char buf[5];
    int n = 0;
    buf[n++] = static_cast<unsigned char>(v & 0x7F);
    while ((v >>= 7) != 0) buf[n++] = static_cast<unsigned char>((v & 0x7F) | 0x80);
    while (n > 0) b.push_back(buf[--n]);
}

void put32(Bytes& b, std::uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) b.push_back(std::uint8_t(v >> s));
}

Bytes meta(int type, const Bytes& data) {
    Bytes m = {0xFF, std::uint8_t(type)};
    put_var(m, data.size());
    m.insert(m.end(), data.begin(), data.end());
    return m;
}

Bytes text_bytes(const std::string& s) { return Bytes(s.begin(), s.end()); }

Bytes track(std::vector<Message> messages, long end) {
    std::stable_sort(messages.begin(), messages.end(), [](const Message& a, const Message& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    Bytes body;
    long now = 0;
    for (const Message& m : messages) {
        put_var(body, static_cast<unsigned long>(m.tick - now));
        body.insert(body.end(), m.data.begin(), m.data.end());
        now = m.tick;
    }
    put_var(body, static_cast<unsigned long>(std::max(0L, end - now)));
    const Bytes eot = meta(0x2F, {});
    body.insert(body.end(), eot.begin(), eot.end());
    Bytes chunk = {'M', 'T', 'r', 'k'};
    put32(chunk, std::uint32_t(body.size()));
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
}

long ticks(double beats) { return std::lround(beats * kMidiDivision); }

} // namespace

std::vector<std::uint8_t> midi_bytes(const Song& song) {
    const long end = ticks(song.total_beats);
    std::vector<Bytes> tracks;
    {
        const auto tempo = std::uint32_t(std::lround(60'000'000.0 / song.tempo)); // microseconds a quarter
        std::vector<Message> m;
        m.push_back({0, 0, meta(0x03, text_bytes(song.file))});
        m.push_back({0, 0, meta(0x51, {std::uint8_t(tempo >> 16), std::uint8_t(tempo >> 8), std::uint8_t(tempo)})});
        m.push_back({0, 0, meta(0x58, {std::uint8_t(song.meter), 2, 24, 8})});
        tracks.push_back(track(m, end));
    }
    for (std::size_t p = 0; p < song.parts.size(); ++p) {
        const PartInfo& part = song.parts[p];
        const auto ch = std::uint8_t(part.channel & 0x0F);
        std::vector<Message> m;
        m.push_back({0, 0, meta(0x03, text_bytes(part.name))});
        if (!part.drums) m.push_back({0, 0, {std::uint8_t(0xC0 | ch), std::uint8_t(part.program & 0x7F)}});
        m.push_back({0, 0, {std::uint8_t(0xB0 | ch), 7, std::uint8_t(std::clamp(part.volume, 0, 127))}});
        m.push_back({0, 0, {std::uint8_t(0xB0 | ch), 10, std::uint8_t(std::clamp(part.pan, 0, 127))}});
        m.push_back({0, 0, {std::uint8_t(0xB0 | ch), 91, 40}});
        for (const NoteEvent& e : song.events) {
            if (e.part != int(p)) continue;
            const long on = ticks(e.beat);
            const long off = std::min(end, std::max(on + 1, ticks(e.beat + e.beats)));
            const auto key = std::uint8_t(std::clamp(e.note, 0, 127));
            m.push_back({on, 2, {std::uint8_t(0x90 | ch), key, std::uint8_t(std::clamp(e.velocity, 1, 127))}});
            m.push_back({off, 1, {std::uint8_t(0x80 | ch), key, 64}});
        }
        tracks.push_back(track(m, end));
    }
    Bytes out = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
    out.push_back(std::uint8_t(tracks.size() >> 8));
    out.push_back(std::uint8_t(tracks.size()));
    out.push_back(std::uint8_t(kMidiDivision >> 8));
    out.push_back(std::uint8_t(kMidiDivision & 0xFF));
    for (const Bytes& t : tracks) out.insert(out.end(), t.begin(), t.end());
    return out;
}

} // namespace tsu::assetgen
