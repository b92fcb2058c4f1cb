// The wheel-transparency hook procedure's own work per mouse event, natively: the decision, the
// note of a wheel step and the request to the GUI thread, with the two system calls it makes
// (the window under the cursor, the posted message) replaced by functions that return at once.
// Not run by the tests:  build/native/wheel_hook_bench
#include <benchmark/benchmark.h>

#include "windows/WheelHook.h"

namespace {

using namespace zorbel;

constexpr std::uint32_t kMouseMove = 0x0200;
constexpr std::uint32_t kForward = 0x00780000;

WheelHook makeHook() {
    WheelHook::System system;
    system.targetUnderCursor = [](std::int32_t, std::int32_t) { return WheelTarget{0x10000, 0x100}; };
    system.postWork = [] { return true; };
    return WheelHook(system);
}

// The GUI thread takes what is waiting now and then, as its posted message arrives.
void takeEverything(WheelHook& hook) {
    while (const auto batch = hook.takeBatch()) benchmark::DoNotOptimize(batch->count);
}

void run(benchmark::State& state, bool modeOn, std::uint32_t message, std::uint32_t mouseData) {
    WheelHook hook = makeHook();
    if (modeOn) hook.start();
    int pending = 0;
    std::int32_t x = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(hook.onMouseEvent(0, message, mouseData, ++x, 0));
        if (++pending == 64) {
            takeEverything(hook);
            pending = 0;
        }
    }
    state.SetItemsProcessed(state.iterations());
}

void modeOffMouseMove(benchmark::State& state) { run(state, false, kMouseMove, 0); }
void modeOffWheel(benchmark::State& state) { run(state, false, kMessageMouseWheel, kForward); }
void modeOnMouseMove(benchmark::State& state) { run(state, true, kMouseMove, 0); }
void modeOnWheel(benchmark::State& state) { run(state, true, kMessageMouseWheel, kForward); }

BENCHMARK(modeOffMouseMove);
BENCHMARK(modeOffWheel);
BENCHMARK(modeOnMouseMove);
BENCHMARK(modeOnWheel);

} // namespace

BENCHMARK_MAIN();
