// One click of an innings button through the real match screen, counted with the repaint it
// causes, on whatever platform QT_QPA_PLATFORM names (offscreen when it is unset).
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QtTest>
#include <string>

#include "app/bailwood2.h"
#include "bench/measurement.h"
#include "match/forms.h"
#include "match/view/frm_bailwood2.h"
#include "runtime/qt/form_runtime.h"
#include "runtime/random.h"

static void registerIcons() { Q_INIT_RESOURCE(icons); }

namespace bw::bench {
namespace {

// Boxes that answer at once: the two team names, and OK on every message.
class InstantBoxes final : public rt::Boxes {
  public:
    void rtcMsgBox(const std::string&, int, const std::string&) override {}
    std::string rtcInputBox(const std::string& prompt, const std::string&) override {
        return prompt.find("first") != std::string::npos ? "Lions" : "Tigers";
    }
};

// The program's windows with the program's generator on a frozen clock.
struct Program {
    rt::ClockSeededRandom random{[] { return std::uint64_t{20261207}; }};
    InstantBoxes boxes;
    rt::qt::FormRuntime forms{app::Bailwood2Project(), random, boxes};

    // A fresh match screen, shown and painted.
    QWidget* openMatch() {
        forms.Unload(Window::frmBailwood2);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        forms.Show(Window::frmBailwood2);
        QWidget* screen = forms.instance(Window::frmBailwood2);
        // A window paints once the window system has mapped it.
        while (!screen->testAttribute(Qt::WA_Mapped)) QCoreApplication::processEvents();
        screen->repaint();
        return screen;
    }
};

// Counts the widgets painted, to show how much of the screen a click repaints.
class PaintCounter final : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
    double paints = 0;
};

QAbstractButton* inningsButton(QWidget* screen) {
    return screen->findChild<QAbstractButton*>("cmdInn1");
}

// Clicks the first innings button, then has the screen painted: a fresh match whenever the
// innings ends, set up untimed.
template <typename Paint>
void clickAndPaint(benchmark::State& state, Paint paint) {
    Program program;
    QWidget* screen = program.openMatch();
    QAbstractButton* button = inningsButton(screen);
    PaintCounter painted;
    QApplication::instance()->installEventFilter(&painted);
    Measurement measurement(state);
    for (auto _ : state) {
        QTest::mouseClick(button, Qt::LeftButton);
        paint(screen);
        if (!button->isVisible()) {
            measurement.pause();
            screen = program.openMatch();
            button = inningsButton(screen);
            measurement.resume();
        }
    }
    QApplication::instance()->removeEventFilter(&painted);
    state.counters["paints"] =
        benchmark::Counter(painted.paints, benchmark::Counter::kAvgIterations);
}

// The whole window painted anew after each click.
void BM_ClickThroughTheMatchScreen(benchmark::State& state) {
    clickAndPaint(state, [](QWidget* screen) { screen->repaint(); });
}
BENCHMARK(BM_ClickThroughTheMatchScreen)->Unit(benchmark::kMicrosecond);

// As the event loop paints after a click: only what the click changed.
void BM_ClickThenPendingPaint(benchmark::State& state) {
    clickAndPaint(state, [](QWidget*) { QCoreApplication::processEvents(); });
}
BENCHMARK(BM_ClickThenPendingPaint)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace bw::bench

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    registerIcons();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
