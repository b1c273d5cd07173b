// The whole Calculate press for the largest experiment (100 balls, 50 red, 50 green, add 10,
// 10,000 trials) in the real experiment window, from the mouse press to the laid-out and painted
// results text, beside the same results area showing a text of that size when it is set directly.
// The press should take at most 1.25 times the direct set.
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
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace {

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
    if (!QTest::qWaitForWindowExposed(window.Widget())) std::cerr << "the experiment window was not exposed\n";
    return window;
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
    QWidget* button = window.calcBtn().Widget();
    for (auto _ : state) {
        Press(button);
        Settle(window.outFld());
        state.PauseTiming();
        Release(button);
        state.ResumeTiming();
    }
    state.counters["chars"] = static_cast<double>(window.outFld().Text().size());
}
BENCHMARK(CalculatePress)->Unit(benchmark::kMillisecond)->UseRealTime();

// Two results of the press, set in turn, so that every set replaces a different text of the same
// size, as every press does.
void DirectSet(benchmark::State& state) {
    class kestrow::ControlWnd& window = LargestExperiment();
    QWidget* button = window.calcBtn().Widget();
    std::array<std::string, 2> texts;
    for (std::string& text : texts) {
        Press(button);
        Release(button);
        text = window.outFld().Text();
    }
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
    // A failed check would make the press measure a message box instead of the experiment.
    fw::SetMsgBoxHook([](const std::string& text) {
        std::cerr << "unexpected message box: " << text << '\n';
        std::exit(1);
    });
    kestrow::EarlyStartup();
    fw::RunFrameworkInitialization({});
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fw::RuntimePerformFinalizers();
    return fw::RuntimeExit();
}
