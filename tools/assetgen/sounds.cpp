// dat/: the sound effects, synthesized from the recipes of content/sounds
// at 22050 Hz, 16-bit, mono, normalised to 90 % of full scale.
#include "assetgen.h"
#include "sound_recipe.h"
#include "wav_writer.h"

namespace tsu::assetgen {

bool write_sounds(const std::string& content_dir, const std::string& root, std::string* error) {
    for (const SoundRecipe& r : read_sounds(content_dir + "/sounds"))
        if (!write_wav(root + "/dat/" + r.file, render(r.voices, r.seconds, kSampleRate), error)) return false;
    return true;
}

} // namespace tsu::assetgen
