// Speed of the title rewrite: the default pattern and replacement over 100,000 titles.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "pattern/RegexObject.h"
#include "platform/CodePage.h"

namespace {

using tessivane::pattern::RegexObject;

std::vector<std::string> MakeTitles(int count) {
    const std::string stems[] = {
        tessivane::platform::Utf8ToGbk("第一章 春天的故事_小说网"),
        tessivane::platform::Utf8ToGbk("How to build a static site - Tessivane"),
        tessivane::platform::Utf8ToGbk("新闻：本地天气预报-晴转多云_新闻频道_门户"),
        tessivane::platform::Utf8ToGbk("没有分隔符的标题"),
    };
    std::vector<std::string> titles;
    titles.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        titles.push_back(stems[static_cast<std::size_t>(i) % std::size(stems)] + std::to_string(i));
    }
    return titles;
}

void BM_ReplaceMatchesDefaultTitlePattern(benchmark::State& state) {
    const std::vector<std::string> titles = MakeTitles(100000);
    RegexObject regex;
    regex.CreateComponent();
    regex.SetPattern("(.+)[_-].*");
    for (auto _ : state) {
        std::size_t bytes = 0;
        for (const std::string& title : titles)
            bytes += regex.ReplaceMatches(title, "$1").size();
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(titles.size()));
}
BENCHMARK(BM_ReplaceMatchesDefaultTitlePattern)->Unit(benchmark::kMillisecond);

void BM_RunawayPatternFails(benchmark::State& state) {
    const std::string subject = std::string(5000, 'a') + "!";
    RegexObject regex;
    regex.CreateComponent();
    regex.SetPattern("(a+)+$");
    for (auto _ : state)
        benchmark::DoNotOptimize(regex.FindMatches(subject));
}
BENCHMARK(BM_RunawayPatternFails)->Unit(benchmark::kMillisecond);

}  // namespace
