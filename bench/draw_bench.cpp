// The drawing hot paths: the status bar's progress bar rendered and drawn once per frame, and
// the in-memory alpha blend against a plain memory copy of the same bytes (the floor).
#include "draw/alphasurface.h"
#include "draw/progressbar.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <array>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

using namespace kelvane;

namespace {

// One frame of the progress panel: a new percentage re-renders the bar, which is then drawn.
void progressFrame(benchmark::State& state) {
    ProgressBar bar;
    bar.setMaximum(100);
    (void)bar.setWidth(172);
    bar.setText(QStringLiteral("Loading"));
    QImage panel(172, 20, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&panel);
    int percent = 0;
    for (auto _ : state) {
        percent = percent % 99 + 1;
        bar.setValue(percent);
        bar.draw(painter, 0, 0);
    }
}
BENCHMARK(progressFrame)->Unit(benchmark::kMicrosecond);

const std::pair<int, int> kSizes[] = {{172, 20}, {512, 512}, {1920, 1080}};

void alphaBlend(benchmark::State& state) {
    const auto [width, height] = kSizes[state.range(0)];
    AlphaSurface destination, source;
    destination.create(width, height);
    source.create(width, height);
    std::memset(destination.bits(), 200, size_t(destination.sizeInBytes()));
    std::memset(source.bits(), 100, size_t(source.sizeInBytes()));
    for (auto _ : state) {
        AlphaSurface::alphaBlend(destination, source, 0, 0, 128);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * destination.sizeInBytes());
    state.SetLabel(std::to_string(width) + "x" + std::to_string(height));
}
BENCHMARK(alphaBlend)->DenseRange(0, 2);

void memoryCopy(benchmark::State& state) {
    const auto [width, height] = kSizes[state.range(0)];
    const size_t bytes = size_t(width) * size_t(height) * 4;
    std::string from(bytes, '\x64'), to(bytes, '\xc8');
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * qint64(bytes));
    state.SetLabel(std::to_string(width) + "x" + std::to_string(height));
}
BENCHMARK(memoryCopy)->DenseRange(0, 2);

// Prints the usual table, then the blend's throughput as a share of the copy's for each size.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const auto rate = run.counters.find("bytes_per_second");
            if (rate == run.counters.end())
                continue;
            const std::string name = run.benchmark_name();
            const bool blend = name.rfind("alphaBlend", 0) == 0;
            m_rates[run.report_label][blend ? 0 : 1] = rate->second.value;
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\nalpha blend throughput / memory copy (goal >= 0.5):\n");
        for (const auto& [label, rates] : m_rates) {
            if (rates[0] > 0 && rates[1] > 0)
                std::printf("  %-10s %.2f  (%.2f GB/s against %.2f GB/s)\n", label.c_str(),
                            rates[0] / rates[1], rates[0] / 1e9, rates[1] / 1e9);
        }
    }

private:
    std::map<std::string, std::array<double, 2>> m_rates;
};

} // namespace

int main(int argc, char** argv) {
    // Captions need fonts, so a GUI application, and no display is needed for that.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
