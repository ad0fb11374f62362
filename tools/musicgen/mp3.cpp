#include "mp3.h"

#include <lame/lame.h>

#include <memory>
#include <stdexcept>

namespace musicgen {

std::vector<std::uint8_t> encodeMp3(const synth::Stereo& pcm, int kbps)
{
    std::unique_ptr<lame_global_flags, int (*)(lame_global_flags*)> lame(lame_init(), lame_close);
    if (!lame)
        throw std::runtime_error("LAME could not start");
    lame_set_in_samplerate(lame.get(), pcm.rate);
    lame_set_out_samplerate(lame.get(), pcm.rate);
    lame_set_num_channels(lame.get(), 2);
    lame_set_mode(lame.get(), JOINT_STEREO);
    lame_set_brate(lame.get(), kbps);
    lame_set_VBR(lame.get(), vbr_off);
    lame_set_quality(lame.get(), 7); // fast; the difference is inaudible at this rate
    lame_set_bWriteVbrTag(lame.get(), 1);
    if (lame_init_params(lame.get()) < 0)
        throw std::runtime_error("LAME refused the settings");

    std::vector<std::uint8_t> out;
    const std::size_t block = 8192;
    std::vector<unsigned char> buf(block * 5 / 4 + 7200);
    for (std::size_t at = 0; at < pcm.frames(); at += block) {
        const int n = int(std::min(block, pcm.frames() - at));
        const int got = lame_encode_buffer_ieee_float(lame.get(), pcm.l.data() + at, pcm.r.data() + at, n, buf.data(),
                                                      int(buf.size()));
        if (got < 0)
            throw std::runtime_error("LAME failed to encode");
        out.insert(out.end(), buf.begin(), buf.begin() + got);
    }
    const int tail = lame_encode_flush(lame.get(), buf.data(), int(buf.size()));
    if (tail > 0)
        out.insert(out.end(), buf.begin(), buf.begin() + tail);
    // The first frame was left blank for the tag that carries the length.
    const std::size_t tagSize = lame_get_lametag_frame(lame.get(), buf.data(), buf.size());
    if (tagSize > 0 && tagSize <= out.size())
        std::copy(buf.begin(), buf.begin() + std::ptrdiff_t(tagSize), out.begin());
    return out;
}

} // namespace musicgen
