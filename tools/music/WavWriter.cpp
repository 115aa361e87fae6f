#include "WavWriter.h"

#include <algorithm>
#include <cmath>

namespace velmusic {
namespace {

void putLittleEndian(std::vector<uint8_t>& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void putTag(std::vector<uint8_t>& out, const char* tag)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(tag[i]));
}

}  // namespace

std::vector<uint8_t> wavFileBytes(const Sound& sound)
{
    const uint32_t dataBytes = static_cast<uint32_t>(sound.samples.size() * 2);
    const uint32_t blockAlign = static_cast<uint32_t>(sound.channels * 2);
    std::vector<uint8_t> out;
    putTag(out, "RIFF");
    putLittleEndian(out, 36 + dataBytes, 4);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    putLittleEndian(out, 16, 4);
    putLittleEndian(out, 1, 2);  // PCM
    putLittleEndian(out, static_cast<uint32_t>(sound.channels), 2);
    putLittleEndian(out, static_cast<uint32_t>(sound.sampleRate), 4);
    putLittleEndian(out, static_cast<uint32_t>(sound.sampleRate) * blockAlign, 4);
    putLittleEndian(out, blockAlign, 2);
    putLittleEndian(out, 16, 2);
    putTag(out, "data");
    putLittleEndian(out, dataBytes, 4);
    for (float sample : sound.samples) {
        auto value = static_cast<int16_t>(std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767.0f));
        putLittleEndian(out, static_cast<uint16_t>(value), 2);
    }
    return out;
}

}  // namespace velmusic
