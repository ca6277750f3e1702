#pragma once

#include <functional>

namespace cordavo {

// A sound device that pulls mono 48 kHz samples from 'render' as it plays.
// It lives in a module of its own, loaded when the Listen window first needs
// it, so that starting the program never loads the sound system.
class SoundSink
{
public:
    virtual ~SoundSink() = default;
    virtual bool available() const = 0;
    virtual bool start() = 0;
    virtual void stop() = 0;
    virtual bool playing() const = 0;
};

using RenderSamples = std::function<void(float *out, int frames)>;
// The module's one entry point, found by this name.
using CreateSoundSink = SoundSink *(*)(const RenderSamples &render);
inline constexpr char kCreateSoundSink[] = "cordavoCreateSoundSink";

} // namespace cordavo
