// The mixer's headroom and its limiter. SDL_mixer adds the voices and the
// music into 16-bit samples and clips any sum past full scale; with several
// effects over the music that clipping was audible. So every source is mixed
// at a quarter of its level (room for four full-scale sources at once) and
// the limiter, run on the finished mix, gives the level back: by the full
// make-up gain while the mix stays below the ceiling, by less, at once, when
// a peak would pass it, easing back over a fraction of a second. No sample
// leaves it at full scale.
#pragma once
#include <cstddef>
#include <cstdint>

namespace tsu {

class Limiter {
  public:
    // SDL_mixer volume (of 128) for the effects and the music: a quarter.
    static constexpr int kMixVolume = 32;
    static constexpr double kMakeUp = 128.0 / kMixVolume;
    // Highest sample the limiter lets out, 90 % of full scale.
    static constexpr int kCeiling = 29491;

    // `rate` frames a second; `release_seconds` is how long the gain takes to
    // come most of the way (63 %) back after a peak.
    explicit Limiter(int rate, double release_seconds = 0.15);

    // Applies the gain in place to interleaved 16-bit frames of `channels`
    // samples; the channels of a frame share one gain.
    void process(int16_t* samples, std::size_t frames, int channels);

    // The gain below the make-up at the end of the last call, 0..1.
    double reduction() const { return gain_; }

  private:
    double gain_ = 1.0;
    double release_; // part of the distance back to 1 made up per frame
};

} // namespace tsu
