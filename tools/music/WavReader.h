// Reads a WAV file back and sums it up, to check the sounds the tool wrote.
#pragma once

#include <cstdint>
#include <vector>

namespace velmusic {

struct WavSummary {
    int sampleRate = 0;
    int channels = 0;
    int bitsPerSample = 0;
    double seconds = 0;
    double peak = 0;      // loudest sample, 0..1 of full scale
    double rmsDb = -200;  // level over the whole sound, dB of full scale
};

// Throws std::runtime_error unless the file is 16-bit PCM at 22050 or 44100 Hz,
// mono or stereo, with a data chunk of whole frames.
WavSummary readWavFile(const std::vector<uint8_t>& bytes);

}  // namespace velmusic
