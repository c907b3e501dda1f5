// The composer's toolkit.
#include "assetgen/music_score.h"

#include <algorithm>
#include <cstdlib>

namespace assetgen::music {
namespace {

int PitchClass(char letter) {
    switch (letter) {
        case 'c':
        case 'C': return 0;
        case 'd':
        case 'D': return 2;
        case 'e':
        case 'E': return 4;
        case 'f':
        case 'F': return 5;
        case 'g':
        case 'G': return 7;
        case 'a':
        case 'A': return 9;
        case 'b':
        case 'B': return 11;
    }
    return -1;
}

int Mod12(int v) {
    return ((v % 12) + 12) % 12;
}

// One token of a melody string: a key (or -1 for a rest), a length in sixteenths, an accent.
struct Token {
    int key = -1;
    int steps = 0;
    bool accent = false;
};

// Reads the tokens of a melody; an unreadable token ends the melody there.
std::vector<Token> ParseNotes(std::string_view notes) {
    std::vector<Token> out;
    size_t i = 0;
    while (i < notes.size()) {
        while (i < notes.size() && (notes[i] == ' ' || notes[i] == '|'))
            ++i;
        if (i >= notes.size()) break;
        Token t;
        if (notes[i] == 'r') {
            ++i;
        } else {
            const int pc = PitchClass(notes[i++]);
            if (pc < 0) break;
            int acc = 0;
            if (i < notes.size() && notes[i] == '#')
                acc = 1, ++i;
            else if (i < notes.size() && notes[i] == 'b')
                acc = -1, ++i;
            int octave = 0;
            while (i < notes.size() && notes[i] >= '0' && notes[i] <= '9')
                octave = octave * 10 + (notes[i++] - '0');
            t.key = 12 * (octave + 1) + pc + acc;
        }
        if (i >= notes.size() || notes[i] != ':') break;
        ++i;
        while (i < notes.size() && notes[i] >= '0' && notes[i] <= '9')
            t.steps = t.steps * 10 + (notes[i++] - '0');
        if (i < notes.size() && notes[i] == '!') t.accent = true, ++i;
        out.push_back(t);
    }
    return out;
}

// The chord's tones as pitches, voiced close around centre and as near as possible to the
// previous voicing (smooth voice leading).
std::vector<int> Voice(const Chord& c, int centre, bool power, std::vector<int>& previous) {
    std::vector<int> keys;
    if (power) {
        int root = centre - 6 + Mod12(c.root - (centre - 6));
        keys = {root, root + 7, root + 12};
    } else {
        for (int interval : c.tones) {
            const int pc = Mod12(c.root + interval);
            int k = centre - 6 + Mod12(pc - (centre - 6));
            keys.push_back(k);
        }
        // Pull each tone to the octave nearest the same voice of the previous chord.
        if (previous.size() == keys.size()) {
            std::sort(keys.begin(), keys.end());
            for (size_t i = 0; i < keys.size(); ++i) {
                while (keys[i] - previous[i] > 6 && keys[i] - 12 >= centre - 9)
                    keys[i] -= 12;
                while (previous[i] - keys[i] > 6 && keys[i] + 12 <= centre + 9)
                    keys[i] += 12;
            }
        }
        std::sort(keys.begin(), keys.end());
        keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    }
    previous = keys;
    return keys;
}

// The length in sixteenths of the event at step i: this step plus the holds ('-') after it,
// counted within the bars covered.
int HeldSteps(std::string_view pattern, int i, int total) {
    int n = 1;
    while (i + n < total && pattern[static_cast<size_t>(i + n) % pattern.size()] == '-')
        ++n;
    return n;
}

}  // namespace

Chord ParseChord(std::string_view s) {
    Chord c;
    size_t i = 0;
    if (s.empty()) return c;
    c.root = PitchClass(s[i++]);
    if (i < s.size() && (s[i] == '#' || s[i] == 'b'))
        c.root = Mod12(c.root + (s[i++] == '#' ? 1 : -1));
    const std::string_view q = s.substr(i);
    if (q == "5")
        c.tones = {0, 7};
    else if (q == "m")
        c.tones = {0, 3, 7};
    else if (q == "m7")
        c.tones = {0, 3, 7, 10};
    else if (q == "m9")
        c.tones = {0, 3, 7, 10, 14};
    else if (q == "7")
        c.tones = {0, 4, 7, 10};
    else if (q == "9")
        c.tones = {0, 4, 7, 10, 14};
    else if (q == "maj7")
        c.tones = {0, 4, 7, 11};
    else if (q == "6")
        c.tones = {0, 4, 7, 9};
    else if (q == "sus4")
        c.tones = {0, 5, 7};
    else if (q == "sus2")
        c.tones = {0, 2, 7};
    else if (q == "dim")
        c.tones = {0, 3, 6};
    else if (q == "add9")
        c.tones = {0, 4, 7, 14};
    else
        c.tones = {0, 4, 7};
    return c;
}

Chord Section::ChordAt(int tick) const {
    const int bar = std::clamp((tick - StartTick()) / kBar, 0, Bars() - 1);
    const std::string& entry = bars[static_cast<size_t>(bar)];
    std::vector<std::string> symbols;
    size_t start = 0;
    while (start < entry.size()) {
        size_t end = entry.find(' ', start);
        if (end == std::string::npos) end = entry.size();
        if (end > start) symbols.push_back(entry.substr(start, end - start));
        start = end + 1;
    }
    if (symbols.empty()) return {};
    const int within = (tick - StartTick()) - bar * kBar;
    const size_t index = std::min(
        symbols.size() - 1, static_cast<size_t>(within * static_cast<int>(symbols.size()) / kBar));
    Chord c = ParseChord(symbols[index]);
    c.root = Mod12(c.root + transpose);
    return c;
}

void Instrument::Note(int tick, int length, int key, int velocity) {
    if (key < 0 || key > 127) return;
    track.Note(static_cast<uint32_t>(tick), static_cast<uint32_t>(std::max(length, 1)), channel,
               key, std::clamp(velocity, 1, 127));
}

int Instrument::Vary(int velocity, int spread) {
    humanize = humanize * 1103515245u + 12345u;
    const int r =
        static_cast<int>((humanize >> 16) % static_cast<uint32_t>(2 * spread + 1)) - spread;
    return std::clamp(velocity + r, 1, 127);
}

Song::Song(std::string title, double bpm) {
    instruments_.reserve(16);
    conductor_.Name(title);
    conductor_.Text(0, "Tovuka02 original soundtrack");
    conductor_.TimeSignature(0, 4, 2);
    conductor_.Tempo(0, bpm);
}

Instrument& Song::AddInstrument(const std::string& name, int channel, int program, int volume,
                                int pan, int reverb, int chorus) {
    Instrument& p = instruments_.emplace_back();
    p.name = name;
    p.channel = channel;
    p.humanize = static_cast<uint32_t>(instruments_.size() * 7919 + static_cast<size_t>(channel));
    p.track.Name(name);
    if (channel != kDrumChannel) p.track.Program(0, channel, program);
    p.track.Control(0, channel, 7, volume);
    p.track.Control(0, channel, 10, pan);
    p.track.Control(0, channel, 91, reverb);
    p.track.Control(0, channel, 93, chorus);
    return p;
}

std::vector<uint8_t> Song::ToMidi(int endTick) const {
    std::vector<MidiTrack> tracks{conductor_};
    for (const Instrument& p : instruments_)
        tracks.push_back(p.track);
    return WriteMidiFile(tracks, kPpq, static_cast<uint32_t>(endTick));
}

void Hits(Instrument& inst, int fromBar, int bars, int key, std::string_view pattern, int gain) {
    const int total = bars * 16;
    for (int i = 0; i < total; ++i) {
        const char c = pattern[static_cast<size_t>(i) % pattern.size()];
        int v = 0;
        switch (c) {
            case 'X': v = 120; break;
            case 'x': v = 98; break;
            case 'o': v = 74; break;
            case 'g': v = 46; break;
            default: continue;
        }
        inst.Note(fromBar * kBar + i * kStep, kStep, key, inst.Vary(v + gain, 5));
    }
}

void Bassline(Instrument& inst, const Section& s, int fromBar, int bars, std::string_view pattern,
              int low, int velocity) {
    const int total = bars * 16;
    for (int i = 0; i < total; ++i) {
        const char c = pattern[static_cast<size_t>(i) % pattern.size()];
        if (c == '-' || c == '.') continue;
        const int tick = fromBar * kBar + i * kStep;
        const Chord chord = s.ChordAt(tick);
        const int root = low + Mod12(chord.root - low);
        auto has = [&](int interval) {
            return std::find(chord.tones.begin(), chord.tones.end(), interval) != chord.tones.end();
        };
        int key = root;
        switch (c) {
            case '3': key = root + (has(3) ? 3 : 4); break;
            case '5': key = root + 7; break;
            case '7': key = root + (has(11) ? 11 : 10); break;
            case 'O': key = root + 12; break;
            case 'L': key = root - 5; break;
            default: break;
        }
        const int len = HeldSteps(pattern, i, total) * kStep;
        const int accent = (i % 4 == 0) ? 8 : 0;
        inst.Note(tick, len * 9 / 10, key, inst.Vary(velocity + accent, 5));
    }
}

void Comp(Instrument& inst, const Section& s, int fromBar, int bars, std::string_view pattern,
          const CompStyle& style) {
    const int total = bars * 16;
    std::vector<int> previous;
    for (int i = 0; i < total; ++i) {
        const char c = pattern[static_cast<size_t>(i) % pattern.size()];
        if (c != 'x' && c != 'X') continue;
        const int tick = fromBar * kBar + i * kStep;
        const std::vector<int> keys = Voice(s.ChordAt(tick), style.centre, style.power, previous);
        const int len =
            style.staccato ? kStep * 2 / 3 : HeldSteps(pattern, i, total) * kStep * 19 / 20;
        const int v = style.velocity + (c == 'X' ? 14 : 0);
        for (int k : keys)
            inst.Note(tick, len, k, inst.Vary(v, 4));
    }
}

void Arpeggio(Instrument& inst, const Section& s, int fromBar, int bars, std::string_view pattern,
              int low, int velocity) {
    const int total = bars * 16;
    for (int i = 0; i < total; ++i) {
        const char c = pattern[static_cast<size_t>(i) % pattern.size()];
        if (c < '0' || c > '9') continue;
        const int tick = fromBar * kBar + i * kStep;
        const Chord chord = s.ChordAt(tick);
        // The chord's tones from low upwards, in whatever inversion starts there.
        std::vector<int> ladder;
        for (int k = low; k < low + 48; ++k)
            for (int interval : chord.tones)
                if (Mod12(k - chord.root - interval) == 0) {
                    ladder.push_back(k);
                    break;
                }
        const int key = ladder[static_cast<size_t>(c - '0')];
        const int len = HeldSteps(pattern, i, total) * kStep;
        inst.Note(tick, len, key, inst.Vary(velocity + (i % 4 == 0 ? 8 : 0), 5));
    }
}

int Melody(Instrument& inst, int tick, std::string_view notes, int velocity, int transpose,
           double legato) {
    for (const Token& t : ParseNotes(notes)) {
        const int len = t.steps * kStep;
        if (t.key >= 0) {
            int v = velocity;
            if (tick % kBar == 0)
                v += 10;
            else if (tick % kPpq == 0)
                v += 5;
            if (t.accent) v += 14;
            inst.Note(tick, static_cast<int>(len * legato), t.key + transpose, inst.Vary(v, 4));
        }
        tick += len;
    }
    return tick;
}

int MelodyInScale(Instrument& inst, const Section& s, std::string_view notes, int velocity,
                  int steps, const std::vector<int>& scale) {
    int tick = s.StartTick();
    for (const Token& t : ParseNotes(notes)) {
        const int len = t.steps * kStep;
        if (t.key >= 0) {
            // The key's scale, bent to the chord of the moment: a chord tone outside the scale
            // takes the place of its neighbour (the raised seventh over the dominant, say).
            const Chord chord = s.ChordAt(tick);
            std::vector<int> local = scale;
            for (int interval : chord.tones) {
                const int pc = Mod12(chord.root - s.transpose + interval);
                if (std::find(scale.begin(), scale.end(), pc) != scale.end()) continue;
                // Prefer raising the tone below (a sharpened degree), else lower the one above.
                auto below = std::find(local.begin(), local.end(), Mod12(pc - 1));
                auto above = std::find(local.begin(), local.end(), Mod12(pc + 1));
                if (below != local.end())
                    *below = pc;
                else if (above != local.end())
                    *above = pc;
            }
            auto inScale = [&](int k) {
                return std::find(local.begin(), local.end(), Mod12(k)) != local.end();
            };
            // Find the scale tone at or below the note, walk `steps` scale tones from there
            // and keep the note's own distance to that tone (for notes outside the scale).
            int base = t.key;
            while (!inScale(base))
                --base;
            int key = base;
            for (int n = 0; n < std::abs(steps); ++n) {
                do
                    key += steps > 0 ? 1 : -1;
                while (!inScale(key));
            }
            key += t.key - base;
            const int v = velocity + (tick % kPpq == 0 ? 5 : 0) + (t.accent ? 10 : 0);
            inst.Note(tick, len * 23 / 25, key + s.transpose, inst.Vary(v, 4));
        }
        tick += len;
    }
    return tick;
}

void Pad(Instrument& inst, const Section& s, int fromBar, int bars, int centre, int velocity) {
    std::vector<int> previous;
    const int end = (fromBar + bars) * kBar;
    int tick = fromBar * kBar;
    while (tick < end) {
        const Chord chord = s.ChordAt(tick);
        int next = tick + kStep;
        auto same = [&](const Chord& other) {
            return other.root == chord.root && other.tones == chord.tones;
        };
        while (next < end && same(s.ChordAt(next)))
            next += kStep;
        for (int k : Voice(chord, centre, false, previous))
            inst.Note(tick, next - tick - 10, k, inst.Vary(velocity, 3));
        tick = next;
    }
}

}  // namespace assetgen::music
