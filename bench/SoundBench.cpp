// The synthesizer's speed and memory: how many seconds of a six-note reed
// chord one core renders per second, and whether holding a chord for a
// minute allocates or grows the process.

#include "sound/ToneSynth.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <vector>

using namespace cordavo;

namespace {

std::atomic<long> allocations{0};
std::atomic<long> frees{0};

// Resident memory in KiB, from /proc/self/statm.
long residentKiB()
{
    long pages = 0, resident = 0;
    if (FILE *file = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(file, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(file);
    }
    return resident * 4;
}

// C3 C4 E4 G4 C5 E5: the most notes the synthesizer sounds at full loudness.
const std::vector<double> kChord{130.81, 261.63, 329.63, 392.0, 523.25, 659.26};
constexpr int kBlock = 512; // a sound device's typical request

// Seconds of audio per second of CPU, in blocks as a sound device asks.
void RenderReedChord(benchmark::State &state)
{
    ToneSynth synth(Voice::Reed);
    for (double hz : kChord)
        synth.noteOn(hz);
    std::vector<float> block(kBlock);
    for (auto _ : state) {
        synth.render(block.data(), kBlock);
        benchmark::DoNotOptimize(block.data());
        benchmark::ClobberMemory();
    }
    // A rate is divided by the CPU time.
    state.counters["RealTimeFactor"] =
        benchmark::Counter(double(state.iterations()) * kBlock / kSampleRate, benchmark::Counter::kIsRate);
}
BENCHMARK(RenderReedChord);

// A chord held for a minute of rendering in blocks: the allocations made and
// the growth of resident memory between the first block and the last.
void HoldChordForAMinute(benchmark::State &state)
{
    for (auto _ : state) {
        ToneSynth synth(Voice::Reed);
        for (double hz : kChord)
            synth.noteOn(hz);
        std::vector<float> block(kBlock);
        synth.render(block.data(), kBlock);
        residentKiB(); // the first read's own buffer is not the synthesizer's
        const long allocationsBefore = allocations.load();
        const long residentBefore = residentKiB();
        for (int rendered = kBlock; rendered < 60 * kSampleRate; rendered += kBlock) {
            synth.render(block.data(), kBlock);
            benchmark::DoNotOptimize(block.data());
        }
        state.counters["Allocations"] = double(allocations.load() - allocationsBefore);
        state.counters["ResidentGrowthKiB"] = double(residentKiB() - residentBefore);
    }
}
BENCHMARK(HoldChordForAMinute)->Iterations(1)->Unit(benchmark::kMillisecond);

// Keys played between the blocks a device asks for (on, retuned, off): the
// allocations and frees made while rendering, the switches' own left out.
void SwitchNotesBetweenBlocks(benchmark::State &state)
{
    for (auto _ : state) {
        ToneSynth synth(Voice::Reed);
        std::vector<float> block(kBlock);
        long allocated = 0, freed = 0;
        for (int i = 0; i < 1000; ++i) {
            const int id = synth.noteOn(kChord[static_cast<size_t>(i % 6)]);
            synth.setFrequency(id, kChord[static_cast<size_t>((i + 1) % 6)]);
            if (i % 3 != 0)
                synth.noteOff(id);
            const long allocationsBefore = allocations.load(), freesBefore = frees.load();
            synth.render(block.data(), kBlock);
            allocated += allocations.load() - allocationsBefore;
            freed += frees.load() - freesBefore;
        }
        state.counters["RenderAllocations"] = double(allocated);
        state.counters["RenderFrees"] = double(freed);
    }
}
BENCHMARK(SwitchNotesBetweenBlocks)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

// Every allocation of the process is counted.
void *operator new(std::size_t size)
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void *p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}

void operator delete(void *p) noexcept
{
    frees.fetch_add(1, std::memory_order_relaxed);
    std::free(p);
}

void operator delete(void *p, std::size_t) noexcept
{
    frees.fetch_add(1, std::memory_order_relaxed);
    std::free(p);
}

BENCHMARK_MAIN();
