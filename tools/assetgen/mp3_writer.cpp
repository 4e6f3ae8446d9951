// MP3 files of the rendered tracks through libmp3lame (see mp3_writer.h).
#include "mp3_writer.h"

#include <lame/lame.h>

#include <memory>

namespace tsu::assetgen {

std::vector<std::uint8_t> mp3_bytes(const std::vector<std::int16_t>& stereo, int rate, std::string* error) {
    auto fail = [&](const char* why) {
        if (error) *error = std::string("mp3 encoder: ") + why;
        return std::vector<std::uint8_t>{};
    };
    std::unique_ptr<lame_global_flags, int (*)(lame_global_flags*)> lame(lame_init(), lame_close);
    if (!lame) return fail("cannot start");
    lame_set_in_samplerate(lame.get(), rate);
    lame_set_out_samplerate(lame.get(), rate);
    lame_set_num_channels(lame.get(), 2);
    lame_set_mode(lame.get(), JOINT_STEREO);
    lame_set_brate(lame.get(), 160);
    lame_set_quality(lame.get(), 5);
    lame_set_bWriteVbrTag(lame.get(), 1);
    if (lame_init_params(lame.get()) < 0) return fail("bad parameters");

    const int frames = int(stereo.size() / 2);
    std::vector<unsigned char> buf(std::size_t(1.25 * frames + 7200 + 16384));
    std::vector<std::uint8_t> out;
    constexpr int kChunk = 8192;
    for (int at = 0; at < frames; at += kChunk) {
        const int n = std::min(kChunk, frames - at);
        const int wrote = lame_encode_buffer_interleaved(lame.get(), const_cast<short*>(stereo.data() + 2 * at), n,
                                                         buf.data(), int(buf.size()));
        if (wrote < 0) return fail("encoding failed");
        out.insert(out.end(), buf.begin(), buf.begin() + wrote);
    }
    const int tail = lame_encode_flush(lame.get(), buf.data(), int(buf.size()));
    if (tail < 0) return fail("flushing failed");
    out.insert(out.end(), buf.begin(), buf.begin() + tail);
    // The info tag (frame count and encoder delay) goes into the first frame.
    std::vector<unsigned char> tag(2880);
    const std::size_t tag_size = lame_get_lametag_frame(lame.get(), tag.data(), tag.size());
    if (tag_size > 0 && tag_size <= out.size()) std::copy(tag.begin(), tag.begin() + long(tag_size), out.begin());
    return out;
}

} // namespace tsu::assetgen
