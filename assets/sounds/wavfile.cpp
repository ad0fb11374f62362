#include "effects.h"

namespace soundfx {

namespace {
void put32(std::vector<std::uint8_t>& b, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b.push_back(std::uint8_t(v >> (8 * i)));
}
void put16(std::vector<std::uint8_t>& b, std::uint16_t v)
{
    b.push_back(std::uint8_t(v));
    b.push_back(std::uint8_t(v >> 8));
}
void putTag(std::vector<std::uint8_t>& b, const char* tag)
{
    for (int i = 0; i < 4; ++i)
        b.push_back(std::uint8_t(tag[i]));
}
} // namespace

std::vector<std::uint8_t> encodeWav(const std::vector<std::int16_t>& pcm, int channels, int rate)
{
    const std::uint32_t dataBytes = std::uint32_t(pcm.size() * 2);
    std::vector<std::uint8_t> b;
    b.reserve(44 + dataBytes);
    putTag(b, "RIFF");
    put32(b, 36 + dataBytes);
    putTag(b, "WAVE");
    putTag(b, "fmt ");
    put32(b, 16);
    put16(b, 1); // PCM
    put16(b, std::uint16_t(channels));
    put32(b, std::uint32_t(rate));
    put32(b, std::uint32_t(rate * channels * 2));
    put16(b, std::uint16_t(channels * 2));
    put16(b, 16);
    putTag(b, "data");
    put32(b, dataBytes);
    for (std::int16_t s : pcm)
        put16(b, std::uint16_t(s));
    return b;
}

} // namespace soundfx
