// The match logic on the scoreboard model alone: one delivery, a first innings, a whole match,
// driven through the innings buttons' handlers with the program's generator on a frozen clock
// and boxes that answer at once.
#include <benchmark/benchmark.h>

#include <optional>

#include "bench/measurement.h"
#include "innings/delivery.h"
#include "match/match_screen.h"
#include "match/match_setup.h"
#include "match/scoreboard.h"
#include "runtime/random.h"
#include "tests/support/scripted_runtime.h"

namespace bw::bench {
namespace {

using match::Scoreboard;

// The program's generator, made repeatable: every reseed mixes in the same clock reading.
rt::ClockSeededRandom seededRandom() {
    return rt::ClockSeededRandom([] { return std::uint64_t{20261207}; });
}

// No window exists without the screen: showing the play-again dialog does nothing.
class NoWindows final : public rt::Windows {
  public:
    void Load(Window) override {}
    void Show(Window) override {}
    void Hide(Window) override {}
    void Unload(Window) override {}
    void vbaEnd() override {}
};

// The runtime a click receives: boxes answer at once and windows are not there.
struct ModelRuntime {
    rt::ClockSeededRandom random = seededRandom();
    testing::ScriptedBoxes boxes;
    NoWindows windows;
    rt::Runtime runtime{random, boxes, windows};
};

// Opens a match on the scoreboard as the match screen's load handler does.
void openMatch(Scoreboard& sb, testing::ScriptedBoxes& boxes) {
    boxes.answers = {"Lions", "Tigers"};
    match::Form_Load(sb, boxes);
}

bool allOut(Scoreboard& sb, int t) { return sb.lblWT(t).caption() == "11"; }

void BM_Delivery(benchmark::State& state) {
    ModelRuntime rt;
    std::optional<Scoreboard> sb;
    sb.emplace();
    openMatch(*sb, rt.boxes);
    Measurement measurement(state);
    for (auto _ : state) {
        innings::BowlDelivery(*sb, rt.random, 1);
        if (allOut(*sb, 1)) {
            measurement.pause();
            sb.emplace();
            openMatch(*sb, rt.boxes);
            measurement.resume();
        }
    }
}
BENCHMARK(BM_Delivery);

void BM_FirstInnings(benchmark::State& state) {
    ModelRuntime rt;
    std::optional<Scoreboard> sb;
    Measurement measurement(state);
    for (auto _ : state) {
        measurement.pause();
        sb.emplace();
        openMatch(*sb, rt.boxes);
        rt.boxes.messages.clear();
        measurement.resume();
        while (sb->cmdInn(1).visible()) match::cmdInn1_Click(*sb, rt.runtime);
        benchmark::DoNotOptimize(sb->lblTR(1).caption().data());
    }
}
BENCHMARK(BM_FirstInnings);

// Everything the model does for one match: setup with the two names, then each innings
// button clicked while it shows, to the result box and the play-again dialog.
void BM_WholeMatch(benchmark::State& state) {
    ModelRuntime rt;
    std::optional<Scoreboard> sb;
    Measurement measurement(state);
    for (auto _ : state) {
        sb.emplace();
        openMatch(*sb, rt.boxes);
        while (sb->cmdInn(1).visible()) match::cmdInn1_Click(*sb, rt.runtime);
        while (sb->cmdInn(2).visible()) match::cmdInn2_Click(*sb, rt.runtime);
        benchmark::DoNotOptimize(sb->lblTR(2).caption().data());
        rt.boxes.messages.clear();
    }
}
BENCHMARK(BM_WholeMatch);

}  // namespace
}  // namespace bw::bench

BENCHMARK_MAIN();
