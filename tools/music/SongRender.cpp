#include "SongRender.h"

#include <algorithm>
#include <cmath>
#include <fluidsynth.h>
#include <stdexcept>

namespace velmusic {
namespace {

// The game's synthesizer: FluidSynth's own settings at the device's 44.1 kHz, with the game's
// overall music level (src/platform/MusicSynth.cpp).
constexpr double kSampleRate = 44100;
constexpr double kGain = 0.6;
constexpr int kBlockFrames = 4096;

template <typename T, void (*Delete)(T*)>
struct Deleter {
    void operator()(T* p) const { Delete(p); }
};
using Settings = std::unique_ptr<fluid_settings_t, Deleter<fluid_settings_t, delete_fluid_settings>>;
using Synth = std::unique_ptr<fluid_synth_t, Deleter<fluid_synth_t, delete_fluid_synth>>;
using Player = std::unique_ptr<fluid_player_t, Deleter<fluid_player_t, delete_fluid_player>>;

}  // namespace

struct SongRenderer::Synth {
    Settings settings;
    velmusic::Synth synth;
};

SongRenderer::SongRenderer(const std::string& soundFont)
    : synth_(std::make_unique<Synth>())
{
    for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level)
        fluid_set_log_function(level, nullptr, nullptr);
    synth_->settings.reset(new_fluid_settings());
    fluid_settings_setnum(synth_->settings.get(), "synth.sample-rate", kSampleRate);
    synth_->synth.reset(new_fluid_synth(synth_->settings.get()));
    if (!synth_->synth || fluid_synth_sfload(synth_->synth.get(), soundFont.c_str(), 1) == FLUID_FAILED)
        throw std::runtime_error("cannot load the soundfont " + soundFont);
}

SongRenderer::~SongRenderer() = default;

RenderedLevel SongRenderer::render(const std::vector<uint8_t>& midi, double gainDb)
{
    fluid_synth_t* synth = synth_->synth.get();
    fluid_synth_system_reset(synth);  // nothing of the last song sounds on
    fluid_synth_set_gain(synth, static_cast<float>(kGain * std::pow(10.0, gainDb / 20)));
    Player player(new_fluid_player(synth));
    if (!player || fluid_player_add_mem(player.get(), midi.data(), midi.size()) != FLUID_OK
        || fluid_player_play(player.get()) != FLUID_OK)
        throw std::runtime_error("cannot play the file");

    std::vector<float> left(kBlockFrames), right(kBlockFrames);
    const long openingFrames = std::lround(kOpeningSeconds * kSampleRate);
    double squares = 0;
    double openingSquares = 0;
    float peak = 0;
    long frames = 0;
    while (fluid_player_get_status(player.get()) == FLUID_PLAYER_PLAYING) {
        fluid_synth_write_float(synth, kBlockFrames, left.data(), 0, 1, right.data(), 0, 1);
        for (int i = 0; i < kBlockFrames; ++i) {
            const double square = double(left[i]) * left[i] + double(right[i]) * right[i];
            squares += square;
            if (frames + i < openingFrames)
                openingSquares += square;
            peak = std::max({peak, std::abs(left[i]), std::abs(right[i])});
        }
        frames += kBlockFrames;
        if (double(frames) > kSampleRate * 3600)
            throw std::runtime_error("the file plays for more than an hour");
    }
    if (frames == 0)
        throw std::runtime_error("the file plays nothing");
    RenderedLevel level;
    level.seconds = double(frames) / kSampleRate;
    level.peak = peak;
    if (squares > 0)
        level.rmsDb = 10 * std::log10(squares / (2.0 * double(frames)));
    if (openingSquares > 0)
        level.openingRmsDb = 10 * std::log10(openingSquares / (2.0 * double(std::min(frames, openingFrames))));
    return level;
}

}  // namespace velmusic
