#include "WavReader.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace velmusic {
namespace {

uint32_t littleEndian(const std::vector<uint8_t>& bytes, size_t at, int count)
{
    if (bytes.size() < at + count)
        throw std::runtime_error("file ends inside a chunk header");
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = value << 8 | bytes[at + i];
    return value;
}

bool tagAt(const std::vector<uint8_t>& bytes, size_t at, const char* tag)
{
    return bytes.size() >= at + 4 && std::equal(tag, tag + 4, bytes.begin() + static_cast<std::ptrdiff_t>(at));
}

}  // namespace

WavSummary readWavFile(const std::vector<uint8_t>& bytes)
{
    if (!tagAt(bytes, 0, "RIFF") || !tagAt(bytes, 8, "WAVE"))
        throw std::runtime_error("no RIFF WAVE header");
    if (littleEndian(bytes, 4, 4) + 8 != bytes.size())
        throw std::runtime_error("RIFF length does not match the file");
    WavSummary summary;
    bool sawFormat = false;
    bool sawData = false;
    for (size_t at = 12; at < bytes.size();) {
        uint32_t length = littleEndian(bytes, at + 4, 4);
        size_t body = at + 8;
        if (bytes.size() - body < length)
            throw std::runtime_error("chunk runs past the end of the file");
        if (tagAt(bytes, at, "fmt ")) {
            if (length < 16)
                throw std::runtime_error("fmt chunk too short");
            if (littleEndian(bytes, body, 2) != 1)
                throw std::runtime_error("not PCM");
            summary.channels = static_cast<int>(littleEndian(bytes, body + 2, 2));
            summary.sampleRate = static_cast<int>(littleEndian(bytes, body + 4, 4));
            summary.bitsPerSample = static_cast<int>(littleEndian(bytes, body + 14, 2));
            if (summary.bitsPerSample != 16)
                throw std::runtime_error("not 16-bit");
            if (summary.sampleRate != 22050 && summary.sampleRate != 44100)
                throw std::runtime_error("sample rate " + std::to_string(summary.sampleRate) + " Hz");
            if (summary.channels != 1 && summary.channels != 2)
                throw std::runtime_error("neither mono nor stereo");
            if (littleEndian(bytes, body + 12, 2) != static_cast<uint32_t>(summary.channels * 2))
                throw std::runtime_error("bad block alignment");
            sawFormat = true;
        } else if (tagAt(bytes, at, "data")) {
            if (!sawFormat)
                throw std::runtime_error("data before fmt");
            const uint32_t frameBytes = static_cast<uint32_t>(summary.channels * 2);
            if (length % frameBytes != 0)
                throw std::runtime_error("data is not whole frames");
            summary.seconds = double(length / frameBytes) / summary.sampleRate;
            int loudest = 0;
            double squares = 0;
            for (size_t i = body; i + 1 < body + length; i += 2) {
                int sample = static_cast<int16_t>(bytes[i] | bytes[i + 1] << 8);
                loudest = std::max(loudest, std::abs(sample));
                squares += double(sample) * sample;
            }
            summary.peak = loudest / 32767.0;
            if (squares > 0)
                summary.rmsDb = 10 * std::log10(squares / (length / 2) / (32768.0 * 32768.0));
            sawData = true;
        }
        at = body + length + (length & 1);  // chunks are padded to an even length
    }
    if (!sawFormat || !sawData)
        throw std::runtime_error("missing fmt or data chunk");
    return summary;
}

}  // namespace velmusic
