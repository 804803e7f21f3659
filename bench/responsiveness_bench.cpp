// The longest stretch a 10,000-article run goes without handing pending events to the window.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "engine/RunGeneration.h"
#include "pattern/RegexObject.h"
#include "settings/SavedSettings.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kArticles = 10000;

// A window stand-in that notes the largest gap between two hand-overs.
class GapHost final : public tessivane::engine::RunHost {
public:
    void HandlePendingEvents() override {
        const Clock::time_point now = Clock::now();
        if (calls_ > 0) {
            maxGap_ = std::max(maxGap_, now - last_);
        }
        last_ = now;
        ++calls_;
    }
    double MaxGapMs() const { return std::chrono::duration<double, std::milli>(maxGap_).count(); }
    std::int64_t Calls() const { return calls_; }

private:
    Clock::time_point last_;
    Clock::duration maxGap_{};
    std::int64_t calls_ = 0;
};

// Articles of 6 to 10 KB of GB2312 text with a <title>, written once per process.
const tessivane::engine::ArticleList& Corpus() {
    static const fs::path folder =
        fs::temp_directory_path() / ("tessivane-responsiveness-" + std::to_string(::getpid()));
    static const tessivane::engine::ArticleList list = [] {
        fs::create_directories(folder);
        std::mt19937 random(3);
        tessivane::engine::ArticleList paths;
        for (int i = 1; i <= kArticles; ++i) {
            std::string text = "<html><head><title>\xCE\xC4\xD5\xC2_";  // 文章_
            text.append(std::to_string(i)).append("</title></head><body>");
            const std::size_t size = 6 * 1024 + random() % (4 * 1024);
            while (text.size() < size) {
                text += static_cast<char>(0xB0 + random() % 40);
                text += static_cast<char>(0xA1 + random() % 94);
            }
            text += "</body></html>";
            paths.push_back(folder / std::string("a").append(std::to_string(100000 + i)).append(".htm"));
            std::ofstream(paths.back(), std::ios::binary) << text;
        }
        return paths;
    }();
    return list;
}

void RemoveCorpus() {
    std::error_code ignored;
    fs::remove_all(fs::temp_directory_path() / ("tessivane-responsiveness-" + std::to_string(::getpid())),
                   ignored);
}

// Arg: 1 with the article cache, 0 without.
void BM_RunGapBetweenEventHandOvers(benchmark::State& state) {
    const tessivane::engine::ArticleList& list = Corpus();
    tessivane::engine::GenerationOptions options;
    options.templateText = tessivane::settings::DefaultTemplate1();  // five random link pairs
    options.writeIndex = true;
    tessivane::engine::FixedOptions source(options);
    const fs::path output = list.front().parent_path() / "site";
    double maxGapMs = 0;
    std::int64_t calls = 0;
    for (auto _ : state) {
        GapHost host;
        tessivane::pattern::RegexObject regex;
        regex.CreateComponent();
        tessivane::engine::RunContext context{source, host, regex, 1, output};
        context.cacheArticles = state.range(0) != 0;
        tessivane::engine::RunGeneration(list, context);
        maxGapMs = std::max(maxGapMs, host.MaxGapMs());
        calls = host.Calls();
        state.PauseTiming();
        fs::remove_all(output);
        state.ResumeTiming();
    }
    state.counters["max_gap_ms"] = maxGapMs;
    state.counters["hand_overs"] = static_cast<double>(calls);
    state.counters["pages_per_s"] =
        benchmark::Counter(static_cast<double>(kArticles) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RunGapBetweenEventHandOvers)
    ->Arg(1)
    ->Arg(0)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    RemoveCorpus();
    return 0;
}
