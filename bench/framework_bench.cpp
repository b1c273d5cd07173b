// Speed of the framework on the results area's largest text (10,002 CR-ended lines, fixed-pitch,
// centred, both scroll bars): one whole set, the same text grown line by line as the Calculate
// press grows it, and the cost of one yield point.
#include "framework/Framework.h"
#include "tests/QuietOffscreen.h"

#include <QApplication>
#include <QtGlobal>
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

constexpr const char* kBenchWindowClass = "BenchWnd.BenchWnd";

class BenchWindow : public fw::Window {
public:
    BenchWindow() : fw::Window(kBenchWindowClass) {}
};

std::vector<std::string> ResultLines() {
    std::vector<std::string> lines{"  Red         Green\r", "----------------------\r"};
    for (int trial = 0; trial < 10'000; ++trial) {
        lines.push_back(std::to_string(50 + 5 * trial) + " (50%)     " + std::to_string(50 + 5 * trial) + " (50%)\r");
    }
    return lines;
}

fw::TextArea& ResultsArea() {
    auto& window = fw::ImplicitWindow<BenchWindow>(kBenchWindowClass);
    if (auto* area = dynamic_cast<fw::TextArea*>(window.ControlByName("outFld"))) return *area;
    auto& area = window.NewControl<fw::TextArea>("outFld");
    fw::SetProperties(area, {{"Left", 100},
                             {"Top", 165},
                             {"Width", 375},
                             {"Height", 475},
                             {"FontName", "Courier"},
                             {"FontSize", 11.0F},
                             {"TextAlignment", 2},
                             {"HasHorizontalScrollbar", true},
                             {"HasVerticalScrollbar", true}});
    return area;
}

void WholeSet(benchmark::State& state) {
    std::string text;
    for (const auto& line : ResultLines()) text += line;
    fw::TextArea& area = ResultsArea();
    for (auto _ : state) {
        area.SetText("");
        area.SetText(text);
        QApplication::processEvents(); // the repaint belongs to the cost
    }
    state.counters["chars"] = static_cast<double>(text.size());
}
BENCHMARK(WholeSet)->Unit(benchmark::kMillisecond);

void GrownLineByLine(benchmark::State& state) {
    const auto lines = ResultLines();
    fw::TextArea& area = ResultsArea();
    for (auto _ : state) {
        area.SetText("");
        for (const auto& line : lines) {
            area.SetText(area.Text() + line);
            fw::RuntimeBackgroundTask();
        }
        QApplication::processEvents();
    }
}
BENCHMARK(GrownLineByLine)->Unit(benchmark::kMillisecond);

void YieldPoint(benchmark::State& state) {
    for (auto _ : state) fw::RuntimeBackgroundTask();
}
BENCHMARK(YieldPoint);

} // namespace

int main(int argc, char** argv) {
    QuietOffscreen();
    benchmark::Initialize(&argc, argv);
    fw::RuntimeInit(argc, argv);
    fw::RuntimePerformInitializers({[] { fw::RegisterWindowClass<BenchWindow>(kBenchWindowClass); }});
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fw::RuntimePerformFinalizers();
    return fw::RuntimeExit();
}
