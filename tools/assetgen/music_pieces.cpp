// The three pieces. Each is laid out as intro, theme, varied theme, bridge, breakdown, theme
// again and an ending that falls back into the intro, so that it loops when the game plays it
// over and over.
#include "assetgen/music_pieces.h"

#include <utility>

#include "assetgen/music_score.h"

namespace assetgen::music {
namespace {

// General-MIDI drum keys.
enum Drum : int {
    kKick = 36,
    kSideStick = 37,
    kSnare = 38,
    kClap = 39,
    kFloorTom = 43,
    kHat = 42,
    kLowTom = 45,
    kOpenHat = 46,
    kMidTom = 47,
    kCrash = 49,
    kHighTom = 50,
    kRide = 51,
    kTambourine = 54,
    kCowbell = 56,
    kCrash2 = 57,
    kLowWoodBlock = 77,
};

using Lines = std::vector<std::pair<int, const char*>>;

// Drum lines over a span of bars.
void Groove(Instrument& drums, int fromBar, int bars, const Lines& lines, int gain = 0) {
    for (const auto& [key, pattern] : lines)
        Hits(drums, fromBar, bars, key, pattern, gain);
}

// The last bar of a section: two beats of groove, then a run down the toms.
void TomFill(Instrument& drums, int bar, int gain = 0) {
    Groove(drums, bar, 1,
           {{kKick, "X.....x.X......."},
            {kSnare, "....X..........."},
            {kHat, "x.x.x.x........."},
            {kHighTom, "........Xx......"},
            {kMidTom, "..........Xx...."},
            {kLowTom, "............Xx.."},
            {kFloorTom, "..............XX"}},
           gain);
}

// A snare build-up into the next section.
void SnareFill(Instrument& drums, int bar, int gain = 0) {
    Groove(drums, bar, 1, {{kKick, "X.......X......."}, {kSnare, "x.x.x.x.xxxxXXXX"}}, gain);
}

// Lays out sections one after another.
class Form {
  public:
    explicit Form(int transpose) : transpose_(transpose) {}
    Section Next(std::vector<std::string> bars) {
        Section s{bar_, std::move(bars), transpose_};
        bar_ += s.Bars();
        return s;
    }
    int EndTick() const { return bar_ * kBar; }

  private:
    int transpose_;
    int bar_ = 0;
};

Piece Finish(const std::string& title, const Song& song, int endTick, double bpm) {
    return {title, song.ToMidi(endTick), endTick / static_cast<double>(kPpq) * 60.0 / bpm};
}

}  // namespace

Piece IronFist(const Arrangement& a) {
    const double bpm = a.bpm > 0 ? a.bpm : 140;
    const int t = a.transpose;
    Song song("Iron Fist", bpm);
    Instrument& lead = song.AddInstrument("Lead guitar", 0, a.full ? 30 : 29, 120, 72, 55, 10);
    Instrument& twin = song.AddInstrument("Twin lead", 1, 29, 96, 50, 55, 10);
    Instrument& rhythm = song.AddInstrument("Rhythm guitar", 2, 30, 82, a.full ? 24 : 46, 25);
    Instrument& bass = song.AddInstrument("Bass", 3, 34, 110, 64, 10);
    Instrument& strings = song.AddInstrument("Strings", 4, a.full ? 49 : 48, 56, 64, 80);
    Instrument& drums = song.AddInstrument("Drums", kDrumChannel, 0, 115, 64, 30);
    Instrument* rhythm2 =
        a.full ? &song.AddInstrument("Rhythm guitar 2", 5, 30, 78, 104, 25) : nullptr;
    Instrument* synth = a.full ? &song.AddInstrument("Synth lead", 6, 81, 58, 64, 70, 40) : nullptr;

    Form form(t);
    const std::vector<std::string> theme{"Em", "C", "G", "D", "Em", "C", "Am", "B"};
    const Section intro = form.Next({"Em", "Em", "C D", "Em"});
    const Section a1 = form.Next(theme);
    const Section a2 = form.Next(theme);
    const Section bridge = form.Next({"C", "D", "Bm", "Em", "C", "D", "B", "B"});
    const Section down = form.Next({"Em", "C", "Am", "B"});
    const Section a3 = form.Next(theme);
    const Section ending = form.Next({"Em", "C", "D", "Em"});

    // The melody: a hammering motif on the tonic, answered up the chords.
    const char* themeA =
        "e4:2 e4:2 g4:2 e4:2 b4:4 a4:2 g4:2 | e4:2 e4:2 g4:2 e4:2 c5:4 b4:2 g4:2 |"
        "d4:2 d4:2 g4:2 d4:2 b4:4 a4:2 g4:2 | a4:6 f#4:2 a4:4 r:4 |"
        "e4:2 e4:2 g4:2 e4:2 b4:4 a4:2 g4:2 | c5:2 b4:2 c5:2 b4:2 g4:4 e4:4 |"
        "a4:2 c5:2 e5:4 d5:2 c5:2 b4:2 a4:2 | d#5:4 b4:4 f#4:4 d#4:4";
    const char* themeB =
        "e4:2 e4:2 g4:2 e4:2 b4:4 a4:2 g4:2 | e4:2 e4:2 g4:2 e4:2 c5:4 b4:2 g4:2 |"
        "b4:2 b4:2 d5:2 b4:2 g5:4! f#5:2 d5:2 | f#5:4 e5:4 d5:4 a4:4 |"
        "g4:4 f#4:2 g4:2 b4:4 e5:4 | e5:2 d5:2 c5:2 b4:2 c5:4 g4:4 |"
        "a4:2 b4:2 c5:2 d5:2 e5:4 c5:4 | d#5:6 b4:2 f#5:8";
    const char* bridgeTune =
        "e5:6 d5:2 c5:4 g4:4 | f#4:6 a4:2 d5:8 | d5:6 e5:2 f#5:4 d5:4 | e5:8 b4:4 g4:4 |"
        "g5:6 f#5:2 e5:4 c5:4 | a5:6 g5:2 f#5:4 d5:4 | f#5:4 d#5:4 b4:4 d#5:4 | f#5:12! r:4";
    const char* downTune =
        "e4:2 e4:2 g4:2 e4:2 b4:8 | r:16 | a4:2 a4:2 c5:2 a4:2 e5:8 | d#5:8 f#5:8";
    const char* endTune = "b4:4 a4:4 g4:4 e4:4 | g4:4 e4:4 c5:8 | d5:4 a4:4 f#4:4 d5:4 | e5:8! r:8";

    Melody(lead, a1.StartTick(), themeA, 92, t);
    Melody(lead, a2.StartTick(), themeB, 96, t);
    Melody(lead, bridge.StartTick(), bridgeTune, 96, t, 0.97);
    Melody(lead, down.StartTick(), downTune, 74, t);
    Melody(lead, a3.StartTick(), themeB, 100, t);
    Melody(lead, ending.StartTick(), endTune, 100, t);
    // The second guitar doubles the returning theme a sixth below.
    const std::vector<int> eMinor{4, 6, 7, 9, 11, 0, 2};
    MelodyInScale(twin, a3, themeB, 88, -5, eMinor);
    MelodyInScale(twin, ending, endTune, 88, -5, eMinor);
    if (synth) {
        Melody(*synth, a3.StartTick(), themeB, 80, t + 12);
        Melody(*synth, bridge.StartTick(), bridgeTune, 70, t);
    }

    // Rhythm guitars: palm-muted chugs, a gallop in the varied themes, open chords in the
    // bridge.
    auto guitar = [&](Instrument& g, int centre) {
        const CompStyle chug{centre, true, true, 84};
        const CompStyle open{centre, true, false, 86};
        Comp(g, intro, 0, 3, "X---x.x.X---x.x.", open);
        Comp(g, intro, 3, 1, "X.x.x.x.X.x.X.X.", chug);
        Comp(g, a1, a1.startBar, 8, "X.x.x.X.x.x.X.x.", chug);
        Comp(g, a2, a2.startBar, 8, "X.xxX.xxX.xxX.xx", chug);
        Comp(g, bridge, bridge.startBar, 8, "X-------X---x-x-", open);
        Comp(g, down, down.startBar, 4, "X-------........", open);
        Comp(g, a3, a3.startBar, 8, "X.xxX.xxX.xxX.xx", chug);
        Comp(g, ending, ending.startBar, 3, "X.x.x.X.x.x.X.x.", chug);
        Comp(g, ending, ending.startBar + 3, 1, "X-----------....", open);
    };
    guitar(rhythm, 50);
    if (rhythm2) guitar(*rhythm2, 55);

    const int low = 28;  // the bass's open E string
    Bassline(bass, intro, 2, 2, "R.R.R.R.R.R.R.R.", low, 92);
    Bassline(bass, a1, a1.startBar, 8, "R.R.R.R.R.R.R.R.", low, 96);
    Bassline(bass, a2, a2.startBar, 8, "R.RRR.RRR.RRR.O5", low, 96);
    Bassline(bass, bridge, bridge.startBar, 8, "R.R.R.R.R.R.5.O.", low, 96);
    Bassline(bass, down, down.startBar, 4, "R-------R---5---", low, 90);
    Bassline(bass, a3, a3.startBar, 8, "R.RRR.RRR.RRR.O5", low, 100);
    Bassline(bass, ending, ending.startBar, 3, "R.R.R.R.R.R.R.R.", low, 96);
    Bassline(bass, ending, ending.startBar + 3, 1, "R-----------....", low, 100);

    Pad(strings, bridge, bridge.startBar, 8, 64, 74);
    Pad(strings, down, down.startBar, 4, 60, 66);
    Pad(strings, a3, a3.startBar, 8, 67, 70);
    if (a.full) {
        Pad(strings, a2, a2.startBar, 8, 60, 58);
        Pad(strings, ending, ending.startBar, 3, 64, 66);
    }

    // Drums: straight rock, the ride in the bridge, half time in the breakdown.
    const Lines rock{
        {kKick, "X.....x.X.x....."}, {kSnare, "....X.......X..."}, {kHat, "x.o.x.o.x.o.x.o."}};
    const Lines rock2{{kKick, "X.x...x.X.x...x."},
                      {kSnare, "....X.......X..."},
                      {kHat, "x.o.x.o.x.o.x..."},
                      {kOpenHat, "..............o."}};
    Groove(drums, 0, 2, {{kKick, "X.......X......."}, {kHat, "x.x.x.x.x.x.x.x."}}, -12);
    Groove(drums, 2, 1, rock, -6);
    SnareFill(drums, 3);
    for (const Section* s : {&a1, &a2, &a3}) {
        Groove(drums, s->startBar, 7, s == &a1 ? rock : rock2);
        TomFill(drums, s->startBar + 7);
    }
    Groove(
        drums, bridge.startBar, 7,
        {{kKick, "X.....x.X.....x."}, {kSnare, "....X.......X..."}, {kRide, "x.o.x.o.x.o.x.o."}});
    SnareFill(drums, bridge.startBar + 7);
    Groove(drums, down.startBar, 3,
           {{kKick, "X.........x....."}, {kSnare, "........X......."}, {kHat, "x...x...x...x..."}},
           -14);
    SnareFill(drums, down.startBar + 3, -10);
    Groove(drums, ending.startBar, 3, rock);
    Groove(drums, ending.startBar + 3, 1,
           {{kKick, "X..............."}, {kSnare, "X..............."}});
    for (const Section* s : {&a1, &a2, &bridge, &down, &a3, &ending}) {
        Hits(drums, s->startBar, 1, kCrash, "X...............");
        if (s == &a3 || s == &bridge) Hits(drums, s->startBar + 4, 1, kCrash2, "X...............");
    }
    Hits(drums, ending.startBar + 3, 1, kCrash2, "X...............");

    return Finish("Iron Fist", song, form.EndTick(), bpm);
}

Piece NeonCircuit(const Arrangement& a) {
    const double bpm = a.bpm > 0 ? a.bpm : 116;
    const int t = a.transpose;
    Song song("Neon Circuit", bpm);
    Instrument& lead = song.AddInstrument("Saw lead", 0, 81, 84, 64, 60, 40);
    Instrument& brass = song.AddInstrument("Synth brass", 1, 62, 80, 76, 50, 20);
    Instrument& clav = song.AddInstrument("Clavinet", 2, 7, 100, 40, 30);
    Instrument& bass = song.AddInstrument("Synth bass", 3, 38, 112, 64, 10);
    Instrument& pad = song.AddInstrument("Warm pad", 4, 89, 70, 64, 80, 40);
    Instrument& keys = song.AddInstrument("Electric piano", 5, 4, 78, 90, 50, 30);
    Instrument& drums = song.AddInstrument("Drums", kDrumChannel, 0, 112, 64, 25);

    Form form(t);
    const std::vector<std::string> vamp{"Dm7", "G7", "Dm7", "G7", "Dm7", "G7", "Dm7", "G7"};
    const Section intro = form.Next({"Dm7", "G7", "Dm7", "G7"});
    const Section a1 = form.Next(vamp);
    const Section bridge = form.Next({"Bbmaj7", "C7", "Am7", "Dm7", "Bbmaj7", "C7", "Am7", "Dm7"});
    const Section down = form.Next({"Gm7", "Am7", "Gm7", "Am7", "Bbmaj7", "Am7", "Gm7", "A7"});
    const Section a2 = form.Next(vamp);
    const Section outro = form.Next({"Dm7", "G7", "Dm7", "Dm7"});

    const char* hook =
        "d5:2 r:1 d5:1 f5:2 d5:2 g5:3 f5:1 d5:2 c5:2 | b4:2 r:2 d5:2 f5:2 e5:4 d5:2 r:2 |";
    const std::string theme1 = std::string(hook) +
                               "d5:2 r:1 d5:1 f5:2 d5:2 g5:3 f5:1 d5:2 c5:2 |"
                               "b4:2 d5:2 g5:4 f5:2 e5:2 d5:2 c5:2 |"
                               "a5:3 a5:1 g5:2 a5:2 r:2 c6:2 a5:4 | g5:2 f5:2 d5:2 f5:2 g5:8 |"
                               "f5:2 e5:2 d5:2 c5:2 d5:3 e5:1 f5:2 a5:2 | g5:6 f5:2 d5:8";
    const std::string theme2 = std::string(hook) +
                               "d5:2 r:1 d5:1 f5:2 d5:2 g5:3 f5:1 d5:2 c5:2 |"
                               "b4:2 d5:2 g5:4 f5:2 e5:2 d5:2 c5:2 |"
                               "a5:3 a5:1 g5:2 a5:2 r:2 c6:2 d6:4! | c6:2 a5:2 g5:2 f5:2 g5:8 |"
                               "f5:2 g5:2 a5:2 c6:2 d6:3 c6:1 a5:2 g5:2 | a5:6 g5:2 f5:2 e5:2 d5:4";
    const char* bridgeTune =
        "d6:6 c6:2 a5:8 | g5:4 e5:4 bb5:4 g5:4 | a5:6 g5:2 e5:4 c5:4 | d5:2 f5:2 a5:2 c6:2 d6:8 |"
        "f6:6 d6:2 c6:4 a5:4 | bb5:4 c6:4 e6:4 g5:4 | c6:4 a5:4 e5:4 g5:4 | a5:12 r:4";
    const char* downTune =
        "d5:2 r:1 d5:1 f5:2 d5:2 r:8 | r:16 | d5:2 r:1 d5:1 f5:2 d5:2 g5:3 f5:1 d5:2 c5:2 |"
        "c#5:8 e5:4 g5:4";
    const std::string outroTune = std::string(hook) + "d5:4! r:12";

    Melody(lead, a1.StartTick(), theme1, 90, t, 0.85);
    Melody(lead, bridge.StartTick(), bridgeTune, 92, t, 0.95);
    Melody(lead, down.startBar * kBar + 4 * kBar, downTune, 80, t, 0.85);
    Melody(lead, a2.StartTick(), theme2, 96, t, 0.85);
    Melody(lead, outro.StartTick(), outroTune, 92, t, 0.85);
    // The brass doubles the theme an octave down when it returns, and punches the offbeats.
    Melody(brass, a2.StartTick(), theme2, a.full ? 84 : 72, t - 12, 0.8);
    const CompStyle stab{67, false, false, 84};
    Comp(brass, a1, a1.startBar + 4, 4, "......X-....X-..", stab);
    Comp(brass, outro, outro.startBar, 2, "......X-....X-..", stab);
    Comp(brass, outro, outro.startBar + 2, 1, "X-..............", stab);
    if (a.full) Melody(brass, bridge.StartTick(), bridgeTune, 70, t - 12, 0.95);

    const CompStyle clavStyle{62, false, true, 72};
    Comp(clav, intro, 2, 2, ".x.x..x..x.x..x.", clavStyle);
    Comp(clav, a1, a1.startBar, 8, ".x.x..x..x.x..x.", clavStyle);
    Comp(clav, a2, a2.startBar, 8, ".x.x..x..x.x..x.", clavStyle);
    Comp(clav, outro, outro.startBar, 2, ".x.x..x..x.x..x.", clavStyle);
    if (a.full) Comp(clav, bridge, bridge.startBar, 8, ".x....x..x....x.", clavStyle);

    const CompStyle epStyle{64, false, false, 70};
    Comp(keys, bridge, bridge.startBar, 8, "X-----x...x-x---", epStyle);
    Comp(keys, down, down.startBar, 8, "x---------------", epStyle);
    if (a.full) Comp(keys, a2, a2.startBar, 8, "x-------........", epStyle);

    Pad(pad, bridge, bridge.startBar, 8, 57, 62);
    Pad(pad, down, down.startBar, 8, 62, 64);
    Pad(pad, a2, a2.startBar, 8, 57, 54);
    if (a.full) Pad(pad, a1, a1.startBar, 8, 57, 46);

    const int low = 33;
    const char* funk = "R..R..O.R..5.7O.";
    Bassline(bass, intro, 0, 4, funk, low, 96);
    Bassline(bass, a1, a1.startBar, 8, funk, low, 100);
    Bassline(bass, bridge, bridge.startBar, 8, "R..R.RO.R..R.5O.", low, 98);
    Bassline(bass, down, down.startBar, 8, "R-------R-..5-..", low, 94);
    Bassline(bass, a2, a2.startBar, 8, funk, low, 102);
    Bassline(bass, outro, outro.startBar, 3, funk, low, 100);
    Bassline(bass, outro, outro.startBar + 3, 1, "R---............", low, 100);

    const Lines groove{{kKick, "X.....x.X..x..x."},
                       {kSnare, "....X..g.g..X..g"},
                       {kClap, "....x.......x..."},
                       {kHat, "xgxgxgxgxgxgxg.g"},
                       {kOpenHat, "..............o."}};
    Groove(drums, 0, 2, {{kKick, "X.....x.X..x..x."}, {kHat, "xgxgxgxgxgxgxg.g"}}, -8);
    Groove(drums, 2, 1, groove, -4);
    SnareFill(drums, 3, -6);
    Groove(drums, a1.startBar, 7, groove);
    TomFill(drums, a1.startBar + 7);
    Groove(drums, bridge.startBar, 7, groove);
    Hits(drums, bridge.startBar, 7, kCowbell, "..x...x...x...x.", -30);
    SnareFill(drums, bridge.startBar + 7);
    Groove(drums, down.startBar, 4, {{kKick, "X...X...X...X..."}, {kClap, "....x.......x..."}}, -6);
    Groove(drums, down.startBar + 4, 3,
           {{kKick, "X...X...X...X..."}, {kClap, "....x.......x..."}, {kHat, "x.x.x.x.x.x.x.x."}},
           -4);
    SnareFill(drums, down.startBar + 7);
    Groove(drums, a2.startBar, 7, groove, 4);
    Hits(drums, a2.startBar, 7, kTambourine, "x.x.x.x.x.x.x.x.", -34);
    TomFill(drums, a2.startBar + 7);
    Groove(drums, outro.startBar, 3, groove);
    Groove(drums, outro.startBar + 3, 1,
           {{kKick, "X..............."}, {kClap, "X..............."}});
    for (const Section* s : {&a1, &bridge, &down, &a2, &outro})
        Hits(drums, s->startBar, 1, kCrash, "X...............");
    Hits(drums, a2.startBar + 4, 1, kCrash2, "X...............");
    Hits(drums, outro.startBar + 3, 1, kCrash2, "X...............");

    return Finish("Neon Circuit", song, form.EndTick(), bpm);
}

Piece StormOverTheDojo(const Arrangement& a) {
    const double bpm = a.bpm > 0 ? a.bpm : 132;
    const int t = a.transpose;
    Song song("Storm over the Dojo", bpm);
    Instrument& flute = song.AddInstrument("Shakuhachi", 0, 77, 114, 64, 90, 10);
    Instrument& koto = song.AddInstrument("Koto", 1, 107, 110, 44, 60);
    Instrument& strings = song.AddInstrument("Strings", 2, a.full ? 49 : 48, 60, 84, 85);
    Instrument& bass = song.AddInstrument("Bass", 3, 33, 106, 64, 15);
    Instrument& taiko = song.AddInstrument("Taiko", 4, 116, 106, 64, 60);
    Instrument& shamisen = song.AddInstrument("Shamisen", 5, 106, 105, 96, 45);
    Instrument& drums = song.AddInstrument("Drums", kDrumChannel, 0, 100, 64, 40);
    Instrument* brass = a.full ? &song.AddInstrument("Brass", 6, 61, 86, 58, 70) : nullptr;
    Instrument* timpani = a.full ? &song.AddInstrument("Timpani", 7, 47, 100, 64, 70) : nullptr;

    Form form(t);
    const std::vector<std::string> theme{"Am", "G", "F", "G", "Am", "Em", "F G", "Am"};
    const Section intro = form.Next({"Am", "Am", "Am", "Am"});
    const Section a1 = form.Next(theme);
    const Section a2 = form.Next(theme);
    const Section bridge = form.Next({"F", "G", "Em", "Am", "F", "G", "E", "E"});
    const Section down = form.Next({"Am", "G", "F", "E"});
    const Section a3 = form.Next(theme);
    const Section ending = form.Next({"Am", "F", "G", "Am"});

    const char* call = "a4:8 c5:4 d5:4 | e5:12 r:4";
    const char* themeA =
        "e5:3 d5:1 e5:2 a5:2 g5:4 e5:4 | d5:3 e5:1 d5:2 b4:2 d5:8 |"
        "c5:3 d5:1 e5:2 a5:2 g5:2 e5:2 c5:4 | d5:12 e5:2 g5:2 |"
        "a5:3 g5:1 a5:2 c6:2 d6:4 c6:2 a5:2 | g5:4 e5:4 b4:4 e5:4 |"
        "f5:4 e5:2 c5:2 d5:4 g5:4 | a5:12 r:4";
    const char* themeB =
        "a5:2 c6:2 a5:2 g5:2 e5:4 d5:2 e5:2 | g5:2 a5:2 g5:2 e5:2 d5:8 |"
        "c5:2 d5:2 e5:2 g5:2 a5:4 c6:4 | b5:8 g5:4 d5:4 |"
        "e6:4! d6:2 c6:2 a5:4 c6:4 | b5:4 g5:4 e5:8 |"
        "f5:2 g5:2 a5:2 c6:2 d6:4 b5:4 | a5:16";
    const char* bridgeTune =
        "c6:8 a5:4 f5:4 | d6:8 b5:4 g5:4 | e6:6 d6:2 b5:4 g5:4 | a5:8 c6:4 e6:4 |"
        "f6:6 e6:2 c6:4 a5:4 | g6:6 f6:2 d6:4 b5:4 | g#5:4 b5:4 e6:4 d6:4 | e6:8 b5:4 g#5:4";
    const char* downTune = "e5:16 | d5:16 | c5:16 | b4:8 g#4:8";
    const char* endTune =
        "e5:3 d5:1 e5:2 a5:2 g5:4 e5:4 | c5:4 d5:4 e5:8 | d5:4 g5:4 b5:8 | a5:4! r:12";

    Melody(flute, intro.StartTick() + 2 * kBar, call, 84, t, 0.98);
    Melody(flute, a1.StartTick(), themeA, 92, t, 0.96);
    Melody(flute, a2.StartTick(), themeB, 96, t, 0.96);
    Melody(flute, bridge.StartTick(), bridgeTune, 98, t, 0.98);
    Melody(flute, down.StartTick(), downTune, 70, t, 0.98);
    Melody(flute, a3.StartTick(), themeA, 100, t, 0.96);
    Melody(flute, ending.StartTick(), endTune, 100, t, 0.96);
    // The shamisen doubles the theme an octave down the second and third time.
    Melody(shamisen, a2.StartTick(), themeB, 84, t - 12, 0.6);
    Melody(shamisen, a3.StartTick(), themeA, 88, t - 12, 0.6);
    if (brass) {
        Melody(*brass, bridge.StartTick(), bridgeTune, 84, t - 12, 0.95);
        Pad(*brass, a3, a3.startBar, 8, 60, 60);
    }

    // Koto: rippling arpeggios in the theme, alone in the breakdown.
    Arpeggio(koto, intro, 2, 2, "0.1.2.4.3.2.1.2.", 57, 72);
    Arpeggio(koto, a1, a1.startBar, 8, "0.1.2.4.3.2.1.2.", 57, 70);
    Arpeggio(koto, a2, a2.startBar, 8, "0.2.1.3.2.4.3.5.", 57, 72);
    Arpeggio(koto, down, down.startBar, 4, "0121312401213124", 57, 86);
    Arpeggio(koto, a3, a3.startBar, 8, "0.1.2.4.3.2.1.2.", 57, 76);
    Arpeggio(koto, ending, ending.startBar, 3, "0.1.2.4.3.2.1.2.", 57, 76);
    Arpeggio(koto, ending, ending.startBar + 3, 1, "0---............", 57, 90);
    if (a.full) Arpeggio(koto, bridge, bridge.startBar, 8, "0.2.4.2.1.3.5.3.", 57, 64);

    Pad(strings, intro, 0, 4, 52, 60);
    Pad(strings, a1, a1.startBar, 8, 57, 62);
    Pad(strings, a2, a2.startBar, 8, 64, 70);
    Pad(strings, bridge, bridge.startBar, 8, 69, 82);
    Pad(strings, down, down.startBar, 4, 60, 58);
    Pad(strings, a3, a3.startBar, 8, 64, 76);
    Pad(strings, ending, ending.startBar, 3, 64, 74);

    const int low = 33;
    Bassline(bass, intro, 2, 2, "R---------------", low, 84);
    Bassline(bass, a1, a1.startBar, 8, "R..R..R.R..R.5.O", low, 96);
    Bassline(bass, a2, a2.startBar, 8, "R..R..R.R..R.5.O", low, 98);
    Bassline(bass, bridge, bridge.startBar, 8, "R.R.R.R.R.R.R.R.", low, 98);
    Bassline(bass, down, down.startBar, 4, "R---------------", low, 84);
    Bassline(bass, a3, a3.startBar, 8, "R..R..R.R..R.5.O", low, 100);
    Bassline(bass, ending, ending.startBar, 3, "R..R..R.R..R.5.O", low, 100);
    Bassline(bass, ending, ending.startBar + 3, 1, "R---............", low, 100);

    // Taiko: the big drum "don" low, the rim "ka" high.
    const int don = 48, ka = 60;
    Hits(taiko, 0, 1, don, "X.......X.......");
    Hits(taiko, 1, 1, don, "X.......X...x.x.");
    Hits(taiko, 2, 1, don, "X..x..X.X..x..x.");
    Hits(taiko, 3, 1, don, "X.x.X.x.XxXxXXXX");
    for (const Section* s : {&a1, &a2, &a3}) {
        Hits(taiko, s->startBar, 8, don, "X.....x.X.....x.");
        Hits(taiko, s->startBar, 8, ka, "....X.......X.x.", -10);
    }
    Hits(taiko, bridge.startBar, 8, don, "X..x..x.X..x..x.");
    Hits(taiko, bridge.startBar, 8, ka, "....X.......X.x.", -8);
    Hits(taiko, down.startBar + 2, 1, don, "X.......X.......", -10);
    Hits(taiko, down.startBar + 3, 1, don, "X...X...X.x.XxXx");
    Hits(taiko, ending.startBar, 3, don, "X.....x.X.....x.");
    Hits(taiko, ending.startBar + 3, 1, don, "X...............");
    if (timpani) {
        Hits(*timpani, bridge.startBar, 8, 45 + t, "X...............", -10);
        Hits(*timpani, a3.startBar, 8, 45 + t, "X.......x.......", -10);
        Hits(*timpani, ending.startBar + 3, 1, 45 + t, "X...............");
    }

    // The drum kit stays in the background: kick under the taiko, woodblock clicks, tom runs.
    for (const Section* s : {&a1, &a2, &a3}) {
        Groove(drums, s->startBar, 7,
               {{kKick, "X.......X.x....."}, {kLowWoodBlock, "x..x..x.x..x..x."}}, -14);
        if (s != &a1) Hits(drums, s->startBar, 7, kHat, "x.x.x.x.x.x.x.x.", -30);
        TomFill(drums, s->startBar + 7, -8);
    }
    Groove(drums, bridge.startBar, 7,
           {{kKick, "X.......X.x....."},
            {kSideStick, "....x.......x..."},
            {kRide, "x.x.x.x.x.x.x.x."}},
           -16);
    TomFill(drums, bridge.startBar + 7, -6);
    Hits(drums, down.startBar + 3, 1, kLowTom, "........x.x.xxxx", -10);
    Groove(drums, ending.startBar, 3,
           {{kKick, "X.......X.x....."}, {kLowWoodBlock, "x..x..x.x..x..x."}}, -14);
    for (const Section* s : {&a1, &a2, &bridge, &a3, &ending})
        Hits(drums, s->startBar, 1, kCrash, "X...............", -10);
    Hits(drums, ending.startBar + 3, 1, kCrash2, "X...............");

    return Finish("Storm over the Dojo", song, form.EndTick(), bpm);
}

}  // namespace assetgen::music
