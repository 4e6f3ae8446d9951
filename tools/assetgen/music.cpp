// mp3/: the music tracks of content/music, each written as a standard MIDI
// file or rendered and encoded as MP3, as its score says. The game plays a
// random file of the folder and starts it over when it ends.
#include "assetgen.h"
#include "midi_writer.h"
#include "mp3_writer.h"
#include "music_render.h"
#include "score.h"

#include "render/file_bytes.h"

namespace tsu::assetgen {

bool write_music(const std::string& content_dir, const std::string& root, std::string* error) {
    for (const Song& s : read_songs(content_dir + "/music")) {
        std::vector<std::uint8_t> bytes;
        if (s.format == "mid") {
            bytes = midi_bytes(s);
        } else {
            bytes = mp3_bytes(render_song(s), kMusicRate, error);
            if (bytes.empty()) return false;
        }
        if (!write_file_bytes(root + "/mp3/" + s.file, bytes, error)) return false;
    }
    return true;
}

} // namespace tsu::assetgen
