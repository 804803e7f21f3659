// Throughput of the text toolkit's searches and substitutions over a few MB of mixed GBK text.
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <string>
#include <string_view>

#include "text/TextOperations.h"
#include "text/TextPrimitives.h"

namespace {

using tessivane::text::Pos;

constexpr std::string_view kTitlePlaceholder = "#\xB1\xBE\xC6\xAA\xB1\xEA\xCC\xE2#";  // "#本篇标题#"
constexpr std::string_view kTailNeedle = "#Lumvane\xCE\xB2#";                         // "#Lumvane尾#"
constexpr std::string_view kTailNeedleFolded = "lUMVANE\xCE\xB2#";

/// One character: mostly GB2312 hanzi, some GBK characters whose second byte is ASCII ("\\",
/// "|", letters), and ASCII letters, digits and blanks.
void AppendCharacter(std::string& text, std::mt19937& random) {
    const unsigned kind = random() % 100;
    if (kind < 60) {
        text += static_cast<char>(0xB0 + random() % 0x48);
        text += static_cast<char>(0xA1 + random() % 0x5E);
    } else if (kind < 70) {
        text += static_cast<char>(0x81 + random() % 0x7E);
        text += static_cast<char>(0x40 + random() % 0x3F);
    } else {
        static constexpr std::string_view kAscii = "abcdefghijklmnopqrstuvwxyzLTU0123456789    ,.";
        text += kAscii[random() % kAscii.size()];
    }
}

/// About 4 MB: lines of mixed text, a "<title>..</title>" pair and a title placeholder every
/// few KB, and the tail needle once at the very end.
const std::string& SampleText() {
    static const std::string text = [] {
        std::mt19937 random(7);
        std::string result;
        result.reserve(4u << 20);
        while (result.size() < (4u << 20)) {
            for (int line = 0; line < 40; ++line) {
                for (unsigned n = 20 + random() % 60; n > 0; --n) {
                    AppendCharacter(result, random);
                }
                result += "\r\n";
            }
            result += "<title>";
            AppendCharacter(result, random);
            result += "</title>";
            result.append(kTitlePlaceholder);
        }
        result.append(kTailNeedle);
        return result;
    }();
    return text;
}

void ReportBytes(benchmark::State& state) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(SampleText().size()));
}

void BM_FindForwardMatchCase(benchmark::State& state) {
    const std::string& text = SampleText();
    for (auto _ : state) {
        benchmark::DoNotOptimize(tessivane::text::FindForward(text, kTailNeedle, 1, false));
    }
    ReportBytes(state);
}
BENCHMARK(BM_FindForwardMatchCase);

void BM_FindForwardIgnoreCase(benchmark::State& state) {
    const std::string& text = SampleText();
    for (auto _ : state) {
        benchmark::DoNotOptimize(tessivane::text::FindForward(text, kTailNeedle, 1, true));
    }
    ReportBytes(state);
}
BENCHMARK(BM_FindForwardIgnoreCase);

// A needle that starts with a letter: both cases of it are candidates all over the text.
void BM_FindForwardIgnoreCaseLetterFirst(benchmark::State& state) {
    const std::string& text = SampleText();
    for (auto _ : state) {
        benchmark::DoNotOptimize(tessivane::text::FindForward(text, kTailNeedleFolded, 1, true));
    }
    ReportBytes(state);
}
BENCHMARK(BM_FindForwardIgnoreCaseLetterFirst);

void BM_FindBackwardMatchCase(benchmark::State& state) {
    const std::string& text = SampleText();
    for (auto _ : state) {
        benchmark::DoNotOptimize(tessivane::text::FindBackward(text, "<body>", -1, false));
    }
    ReportBytes(state);
}
BENCHMARK(BM_FindBackwardMatchCase);

void BM_SubstituteMatchCase(benchmark::State& state) {
    const std::string& text = SampleText();
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            tessivane::text::Substitute(text, kTitlePlaceholder, "Some title", -1, true));
    }
    ReportBytes(state);
}
BENCHMARK(BM_SubstituteMatchCase);

void BM_SubstituteIgnoreCase(benchmark::State& state) {
    const std::string& text = SampleText();
    for (auto _ : state) {
        benchmark::DoNotOptimize(tessivane::text::Substitute(text, "<TITLE>", "<h1>", -1, false));
    }
    ReportBytes(state);
}
BENCHMARK(BM_SubstituteIgnoreCase);

void BM_CountOccurrences(benchmark::State& state) {
    const std::string& text = SampleText();
    const tessivane::text::EventPump pump = [] {};
    for (auto _ : state) {
        benchmark::DoNotOptimize(tessivane::text::CountOccurrences(text, kTitlePlaceholder, true, pump));
    }
    ReportBytes(state);
}
BENCHMARK(BM_CountOccurrences);

// Every "<title>" stretch in turn, the way a caller walks a page with one position variable.
void BM_ExtractBetweenWalk(benchmark::State& state) {
    const std::string& text = SampleText();
    for (auto _ : state) {
        std::string left = "<TITLE>";
        std::string right = "</TITLE>";
        Pos position = 0;
        Pos previous = -1;
        std::size_t total = 0;
        while (position != previous) {
            previous = position;
            total += tessivane::text::ExtractBetween(text, left, right, 0, 0, &position).size();
        }
        benchmark::DoNotOptimize(total);
    }
    ReportBytes(state);
}
BENCHMARK(BM_ExtractBetweenWalk);

// The floor: plain byte searches that know nothing of characters or case.
void BM_FloorStdStringFind(benchmark::State& state) {
    const std::string& text = SampleText();
    for (auto _ : state) {
        benchmark::DoNotOptimize(text.find(kTailNeedle));
    }
    ReportBytes(state);
}
BENCHMARK(BM_FloorStdStringFind);

void BM_FloorMemmem(benchmark::State& state) {
    const std::string& text = SampleText();
    for (auto _ : state) {
        benchmark::DoNotOptimize(memmem(text.data(), text.size(), kTailNeedle.data(), kTailNeedle.size()));
    }
    ReportBytes(state);
}
BENCHMARK(BM_FloorMemmem);

}  // namespace
