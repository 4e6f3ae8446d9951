// The asset generator's parts on small inputs: the source reader, the
// drawing recipes, the size table, the sound recipes and synthesizer, the
// score reader, and the MIDI and MP3 writers.
#include "assetgen/art_library.h"
#include "assetgen/figures.h"
#include "assetgen/midi_writer.h"
#include "assetgen/mp3_writer.h"
#include "assetgen/recipe.h"
#include "assetgen/score.h"
#include "assetgen/sizes.h"
#include "assetgen/sound_recipe.h"
#include "assetgen/source_text.h"
#include "assetgen/synth.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace tsu::assetgen {
namespace {

constexpr Colour kMagenta = rgb(0xFF00FF);

TEST(AssetgenSource, SectionsCommentsQuotesAndSharps) {
    const SourceFile f = parse_source("tempo 120 # a comment\n\n[A]\nlead F#4/4 C5 # x\ntext 1 2 \"a # b\"\n{blk}\n..k\n",
                                      "t.txt");
    ASSERT_EQ(f.preamble.size(), 1u);
    EXPECT_EQ(f.preamble[0].text, "tempo 120");
    ASSERT_EQ(f.sections.size(), 2u);
    EXPECT_EQ(f.sections[0].name, "A");
    EXPECT_EQ(f.sections[0].bracket, '[');
    EXPECT_EQ(f.sections[0].body[0].text, "lead F#4/4 C5"); // F#4 is a note, not a comment
    EXPECT_EQ(f.sections[0].body[0].number, 4);
    const auto words = split_words(f.sections[0].body[1].text);
    ASSERT_EQ(words.size(), 4u);
    EXPECT_EQ(words[3], "a # b");
    EXPECT_EQ(f.sections[1].bracket, '{');
    EXPECT_THROW(to_int("12x", "here"), SourceError);
    EXPECT_EQ(to_int("+7", "here"), 7);
}

// Paints the recipe [pic] of the given art text on a w x h keyed canvas.
Bitmap paint(const std::string& art, int w, int h, Colour key = kMagenta) {
    ArtLibrary lib;
    lib.add(parse_source(art, "t.art"));
    Painter painter(lib, [](const std::string& n, const std::string& where) -> const Bitmap& {
        throw SourceError(where + ": no picture " + n);
    });
    Bitmap b(w, h, key);
    painter.run(*lib.recipe("pic"), b, key);
    return b;
}

TEST(AssetgenRecipe, PixelRowsUseTheLegendAndLeaveDotsAlone) {
    const Bitmap b = paint("<base>\nk 101010\n[pic]\nlegend r FF0000\nart 1 1\nrk\n.r\n", 4, 4);
    EXPECT_EQ(b.pixel(1, 1), rgb(0xFF0000));
    EXPECT_EQ(b.pixel(2, 1), rgb(0x101010));
    EXPECT_EQ(b.pixel(1, 2), kMagenta);
    EXPECT_EQ(b.pixel(2, 2), rgb(0xFF0000));
}

TEST(AssetgenRecipe, BlocksTurnAndFlipTheWayTheySay) {
    // The block "ab" / "c.": a at (0,0), b at (1,0), c at (0,1).
    const std::string art = "{blk}\nab\nc.\n[pic]\nlegend a 0000AA b 0000BB c 0000CC\n";
    const Bitmap turned = paint(art + "place blk 0 0 rot90\n", 2, 2);
    // Turned clockwise: c comes to the top left, a to the top right.
    EXPECT_EQ(turned.pixel(0, 0), rgb(0xCC));
    EXPECT_EQ(turned.pixel(1, 0), rgb(0xAA));
    EXPECT_EQ(turned.pixel(1, 1), rgb(0xBB));
    const Bitmap flipped = paint(art + "place blk 0 0 flipx\n", 2, 2);
    EXPECT_EQ(flipped.pixel(0, 0), rgb(0xBB));
    EXPECT_EQ(flipped.pixel(1, 0), rgb(0xAA));
    EXPECT_EQ(flipped.pixel(1, 1), rgb(0xCC));
    const Bitmap left = paint(art + "place blk 0 0 rot270\n", 2, 2);
    EXPECT_EQ(left.pixel(0, 0), rgb(0xBB));
    EXPECT_EQ(left.pixel(0, 1), rgb(0xAA));
    const Bitmap big = paint(art + "place blk 0 0 scale 2\n", 4, 4);
    EXPECT_EQ(big.pixel(3, 1), rgb(0xBB));
    EXPECT_EQ(big.pixel(3, 3), kMagenta);
}

TEST(AssetgenRecipe, FaultsAreReportedWithTheirLine) {
    // Drawing with the key colour would punch a hole the game sees through.
    try {
        paint("[pic]\nbox 0 0 2 2 FF00FF\n", 4, 4);
        FAIL() << "the key colour was accepted";
    } catch (const SourceError& e) {
        EXPECT_NE(std::string(e.what()).find("t.art:2"), std::string::npos) << e.what();
    }
    EXPECT_THROW(paint("[pic]\nart 2 0\nabc\n", 4, 4), SourceError);   // off the picture
    EXPECT_THROW(paint("[pic]\nart 0 0\nq\n", 4, 4), SourceError);     // not in the legend
    EXPECT_THROW(paint("[pic]\nwobble 1 2\n", 4, 4), SourceError);     // unknown command
    EXPECT_THROW(paint("[pic]\nuse @none\n", 4, 4), SourceError);      // no shared recipe
    EXPECT_THROW(paint("[pic]\nplace nothing 0 0\n", 4, 4), SourceError);
}

TEST(AssetgenRecipe, SharedRecipesAndRecolouring) {
    const Bitmap b = paint("[@half]\nbox 0 0 2 4 00FF00\n[pic]\nfill 0000FF\nuse @half\nreplace 0000FF FF0000\n", 4, 4,
                           kNone);
    EXPECT_EQ(b.pixel(0, 0), rgb(0x00FF00));
    EXPECT_EQ(b.pixel(3, 3), rgb(0xFF0000));
}

TEST(AssetgenSizes, ReadsTheTableAndItsDrawnSizes) {
    const auto path = std::filesystem::temp_directory_path() / ("tsu_sizes_" + std::to_string(::getpid()) + ".txt");
    std::ofstream(path) << "# file w h key drawn why\n"
                           "a.bmp 10 12 magenta 20x20 stretched\n"
                           "b.bmp 80 20 black own unscaled\n"
                           "c.jpg 512 384 none - a picture\n";
    const auto sizes = read_sizes(path.string());
    ASSERT_EQ(sizes.size(), 3u);
    EXPECT_TRUE(sizes[0].keyed);
    EXPECT_EQ(sizes[0].key, kMagenta);
    EXPECT_EQ(sizes[0].drawn_width, 20);
    EXPECT_EQ(sizes[1].key, kBlack);
    EXPECT_EQ(sizes[1].drawn_width, 80);
    EXPECT_FALSE(sizes[2].keyed);
    EXPECT_EQ(sizes[2].drawn_width, 0);
    EXPECT_EQ(find_size(sizes, "b.bmp"), &sizes[1]);
    std::ofstream(path) << "a.bmp 10 12 magenta own\na.bmp 10 12 magenta own\n";
    EXPECT_THROW(read_sizes(path.string()), SourceError); // listed twice
    std::ofstream(path) << "a.bmp 10 12 purple own\n";
    EXPECT_THROW(read_sizes(path.string()), SourceError);
    std::filesystem::remove(path);
}

TEST(AssetgenSound, NotesVoicesAndFaults) {
    EXPECT_EQ(note_number("C4", "x"), 60);
    EXPECT_EQ(note_number("F#4", "x"), 66);
    EXPECT_EQ(note_number("Bb3", "x"), 58);
    EXPECT_NEAR(pitch_hz("A4", "x"), 440.0, 1e-9);
    EXPECT_NEAR(pitch_hz("A5", "x"), 880.0, 1e-9);
    EXPECT_NEAR(pitch_hz("1234", "x"), 1234.0, 1e-9);
    const SourceFile f = parse_source(
        "[a.wav]\nlength 0.5\nvoice square at 0.1 len 0.2 pitch C5 to C6 decay 2\nnotes triangle at 0 step 0.1 len "
        "0.05 : C4 E4 G4\n",
        "s.txt");
    const SoundRecipe r = parse_sound(f.sections[0]);
    EXPECT_DOUBLE_EQ(r.seconds, 0.5);
    ASSERT_EQ(r.voices.size(), 4u);
    EXPECT_NEAR(r.voices[0].f1 / r.voices[0].f0, 2.0, 1e-9);
    EXPECT_NEAR(r.voices[3].start, 0.2, 1e-9);
    EXPECT_EQ(r.voices[3].wave, Wave::triangle);
    const SourceFile bad = parse_source("[b.wav]\nlength 0.5\nvoice square len 0.1 pitch C5 wobble 3\n", "s.txt");
    EXPECT_THROW(parse_sound(bad.sections[0]), SourceError);
}

TEST(AssetgenSynth, RendersNormalisedAndStartsAndEndsAtRest) {
    Voice v;
    v.wave = Wave::square;
    v.length = 0.2;
    v.f0 = v.f1 = 440;
    const auto s = render({v}, 0.25, 22050, 0.9);
    ASSERT_EQ(s.size(), std::size_t(0.25 * 22050));
    int peak = 0;
    for (const auto x : s) peak = std::max(peak, std::abs(int(x)));
    EXPECT_NEAR(peak, 0.9 * 32767, 2);
    EXPECT_EQ(s.front(), 0);
    EXPECT_EQ(s.back(), 0);
    // Past the voice's end the sound is silent.
    EXPECT_EQ(s[std::size_t(0.22 * 22050)], 0);
    // A 440 Hz square changes sign about 880 times a second.
    int crossings = 0;
    for (std::size_t i = 1; i < std::size_t(0.2 * 22050); ++i) crossings += (s[i - 1] < 0) != (s[i] < 0);
    EXPECT_NEAR(crossings, 176, 4);
}

Song song_of(const std::string& text) { return parse_song(parse_source(text, "song.txt"), "song"); }

TEST(AssetgenScore, WrittenNotesTiesAndBars) {
    const Song s = song_of("tempo 120\nmeter 4\nformat mid\nform A A\npart lead program 80 channel 0\n"
                           "[A]\nlead C5/4 D5/8 E5/8~ E5/2 | C4+E4+G4/1\n");
    EXPECT_DOUBLE_EQ(s.total_beats, 16);
    EXPECT_DOUBLE_EQ(s.seconds(), 8);
    // Per pass: C5, D5, E5 (tied into one), and a three-note chord.
    ASSERT_EQ(s.events.size(), 12u);
    const NoteEvent& tied = s.events[2];
    EXPECT_EQ(tied.note, 76);
    EXPECT_DOUBLE_EQ(tied.beat, 1.5);
    EXPECT_DOUBLE_EQ(tied.beats, 2.5);
    EXPECT_DOUBLE_EQ(s.events[6].beat, 8); // the second pass
    EXPECT_THROW(song_of("tempo 120\nformat mid\nform A\npart lead\n[A]\nlead C5/4 D5/4\n"), SourceError); // short bar
    EXPECT_THROW(song_of("tempo 120\nformat mid\nform B\npart lead\n[A]\nlead C5/1\n"), SourceError);     // no [B]
    EXPECT_THROW(song_of("tempo 120\nformat ogg\nform A\npart lead\n[A]\nlead C5/1\n"), SourceError);
}

TEST(AssetgenScore, GeneratedPartsFollowTheChordsAndDrumsTheGrid) {
    const Song s = song_of("tempo 120\nformat mid\nform A\npart bass style half octave 2 channel 1\n"
                           "part pad style pad octave 4 channel 2\ndrums kick 36 hat 42\n"
                           "[A]\nchords C G,Am\nkick x...x...x...x...\nhat  ..x.\nmute pad\n");
    std::vector<int> bass, kick, hat;
    for (const NoteEvent& e : s.events) {
        if (s.parts[std::size_t(e.part)].name == "bass") bass.push_back(e.note);
        if (s.parts[std::size_t(e.part)].name == "pad") ADD_FAILURE() << "a muted part played";
        if (!s.parts[std::size_t(e.part)].drums) continue;
        if (e.note == 36) kick.push_back(int(e.beat * 4));
        if (e.note == 42) hat.push_back(int(e.beat * 4));
    }
    // Half notes on the root in octave 2: C C, then G for half a bar, A.
    EXPECT_EQ(bass, (std::vector<int>{36, 36, 43, 45}));
    EXPECT_EQ(kick, (std::vector<int>{0, 4, 8, 12, 16, 20, 24, 28}));
    EXPECT_EQ(hat.size(), 8u); // a one-step pattern of four repeats every quarter note
    EXPECT_EQ(hat.front(), 2);
}

// The chunks and the notes of a MIDI file, read back.
TEST(AssetgenMidi, TracksEndTogetherAndNotesEnd) {
    const Song s = song_of("tempo 150\nformat mid\nform A\npart lead program 80 channel 0\ndrums kick 36\n"
                           "[A]\nlead C5/2 r/4 E5/4 | G5/1\nkick x...............\n");
    const auto b = midi_bytes(s);
    ASSERT_GE(b.size(), 14u);
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "MThd");
    EXPECT_EQ(b[9], 1);              // format 1
    EXPECT_EQ(b[11], 3);             // tempo, lead, drums
    EXPECT_EQ(b[12] << 8 | b[13], kMidiDivision);
    std::size_t at = 14;
    int on = 0, off = 0, drum_on = 0;
    for (int t = 0; t < 3; ++t) {
        ASSERT_EQ(std::string(b.begin() + long(at), b.begin() + long(at) + 4), "MTrk");
        const std::size_t len = std::size_t(b[at + 4]) << 24 | std::size_t(b[at + 5]) << 16 |
                                std::size_t(b[at + 6]) << 8 | b[at + 7];
        const std::size_t end = at + 8 + len;
        ASSERT_LE(end, b.size());
        // The last three bytes are the end-of-track event.
        EXPECT_EQ(b[end - 3], 0xFF);
        EXPECT_EQ(b[end - 2], 0x2F);
        for (std::size_t p = at + 8; p + 2 < end; ++p) {
            if ((b[p] & 0xF0) == 0x90 && b[p] != 0xFF) (b[p] & 0x0F) == 9 ? ++drum_on : ++on;
            if ((b[p] & 0xF0) == 0x80 && b[p + 1] < 128) ++off;
        }
        at = end;
    }
    EXPECT_EQ(at, b.size());
    EXPECT_GE(on, 3);
    EXPECT_GE(off, on);
    EXPECT_EQ(drum_on, 2);
}

TEST(AssetgenMp3, EncodesFramesThatStartWithTheSyncWord) {
    std::vector<std::int16_t> stereo(2 * 44100);
    for (std::size_t i = 0; i < stereo.size(); ++i) stereo[i] = std::int16_t(8000 * std::sin(double(i / 2) * 0.06));
    std::string error;
    const auto mp3 = mp3_bytes(stereo, 44100, &error);
    ASSERT_FALSE(mp3.empty()) << error;
    EXPECT_EQ(mp3[0], 0xFF);
    EXPECT_EQ(mp3[1] & 0xE0, 0xE0);
    // One second at 160 kbit/s is about 20 kB.
    EXPECT_GT(mp3.size(), 15000u);
    EXPECT_LT(mp3.size(), 26000u);
}

} // namespace
} // namespace tsu::assetgen
