// The whole Calculate press for the largest experiment (100 balls, 50 red, 50 green, add 10,
// 10,000 trials) in the real experiment window, from the mouse press to the laid-out and painted
// results text, beside the same results area showing a text of that size when it is set directly.
// The press should take at most 1.25 times the direct set. A message box (a failed check), which the
// press would measure instead of the experiment, or a window never exposed fails the benchmark, and
// the program ends with status 1.
#include "app/Startup.h"
#include "experiment/ControlWnd.h"
#include "framework/Framework.h"
#include "tests/QuietOffscreen.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QtGlobal>
#include <QtTest/QTest>
#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <vector>

namespace {

// The text of every message box shown so far.
std::vector<std::string> gBoxes;
// Whether a benchmark ended on an error (the program then ends with status 1).
bool gFailed = false;

void Fail(benchmark::State& state, const std::string& error) {
    state.SkipWithError(error.c_str());
    gFailed = true;
}

// When a box has come since `before` boxes, fails the benchmark with its text; whether it did.
bool FailedOnBox(benchmark::State& state, std::size_t before) {
    if (gBoxes.size() <= before) return false;
    std::string text = gBoxes[before];
    while (!text.empty() && text.back() == '\r') text.pop_back();
    Fail(state, "unexpected message box: " + text);
    return true;
}

// The experiment window with the largest inputs, on screen (so the text is really painted).
class kestrow::ControlWnd& LargestExperiment() {
    class kestrow::ControlWnd& window = kestrow::ControlWnd();
    const std::array<std::pair<fw::TextField*, const char*>, 5> fields{{{&window.totalFld(), "100"},
                                                                        {&window.redFld(), "50"},
                                                                        {&window.greenFld(), "50"},
                                                                        {&window.addFld(), "10"},
                                                                        {&window.repeatFld(), "10000"}}};
    for (const auto& [field, text] : fields) field->SetText(text);
    window.Show();
    return window;
}

// An unexposed window is never painted, so its press would measure less than the user waits for.
bool FailedUnexposed(benchmark::State& state, const fw::Window& window) {
    if (QTest::qWaitForWindowExposed(window.Widget())) return false;
    Fail(state, "the experiment window was not exposed");
    return true;
}

// Whatever the new text set in motion: posted events (the repaint among them) and the layout of
// the document, down to the scroll bar ranges.
void Settle(const fw::TextArea& area) {
    QApplication::processEvents();
    QPlainTextEdit* editor = area.Editor();
    benchmark::DoNotOptimize(editor->document()->documentLayout()->documentSize());
    benchmark::DoNotOptimize(editor->verticalScrollBar()->maximum());
    editor->viewport()->repaint();
}

void Press(QWidget* button) { QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, button->rect().center()); }

void Release(QWidget* button) { QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, button->rect().center()); }

void CalculatePress(benchmark::State& state) {
    class kestrow::ControlWnd& window = LargestExperiment();
    if (FailedUnexposed(state, window)) return;
    QWidget* button = window.calcBtn().Widget();
    const std::size_t boxes = gBoxes.size();
    for (auto _ : state) {
        Press(button);
        Settle(window.outFld());
        state.PauseTiming();
        Release(button);
        state.ResumeTiming();
        if (FailedOnBox(state, boxes)) break;
    }
    state.counters["chars"] = static_cast<double>(window.outFld().Text().size());
}
BENCHMARK(CalculatePress)->Unit(benchmark::kMillisecond)->UseRealTime();

// Two results of the press, set in turn, so that every set replaces a different text of the same
// size, as every press does.
void DirectSet(benchmark::State& state) {
    class kestrow::ControlWnd& window = LargestExperiment();
    if (FailedUnexposed(state, window)) return;
    QWidget* button = window.calcBtn().Widget();
    std::array<std::string, 2> texts;
    const std::size_t boxes = gBoxes.size();
    for (std::string& text : texts) {
        Press(button);
        Release(button);
        text = window.outFld().Text();
    }
    if (FailedOnBox(state, boxes)) return;
    std::size_t next = 0;
    for (auto _ : state) {
        window.outFld().SetText(texts[next]);
        Settle(window.outFld());
        next = 1 - next;
    }
    state.counters["chars"] = static_cast<double>(texts[0].size());
}
BENCHMARK(DirectSet)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    QuietOffscreen();
    // Two seconds a case by default, as presses are long; a --benchmark_min_time on the command line
    // comes later and wins.
    std::string minTime = "--benchmark_min_time=2";
    std::vector<char*> args(argv, argv + argc);
    args.insert(args.begin() + (argc > 0 ? 1 : 0), minTime.data());
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);
    benchmark::Initialize(&count, args.data());
    fw::RuntimeInit(argc, argv);
    fw::RuntimePerformInitializers(kestrow::ProgramInitializers());
    fw::Picture::SetResourceFolder(KESTROW_RESOURCES);
    fw::SetMsgBoxHook([](const std::string& text) { gBoxes.push_back(text); });
    kestrow::EarlyStartup();
    fw::RunFrameworkInitialization({});
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fw::RuntimePerformFinalizers();
    const int status = fw::RuntimeExit();
    return gFailed ? 1 : status;
}
