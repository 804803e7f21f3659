// Writes N deterministic GBK articles of 6 to 10 KB for the end-to-end benchmark.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// A small fixed generator, so every machine gets the same corpus.
struct SplitMix64 {
    std::uint64_t state;
    std::uint64_t Next() {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
};

// A GB2312 hanzi: lead byte 0xB0..0xD7, trail byte 0xA1..0xFE.
void AppendHanzi(std::string& out, SplitMix64& random) {
    out.push_back(static_cast<char>(0xB0 + random.Next() % 40));
    out.push_back(static_cast<char>(0xA1 + random.Next() % 94));
}

std::string Article(std::uint64_t number, SplitMix64& random) {
    const std::size_t size = 6 * 1024 + random.Next() % (4 * 1024);
    std::string text = "<html><head><title>";
    for (int i = 0; i < 8; ++i) {
        AppendHanzi(text, random);
    }
    text += "_" + std::to_string(number) + "</title></head>\r\n<body>\r\n";
    while (text.size() + 16 < size) {
        text += "<p>";
        for (int i = 0; i < 40 && text.size() + 16 < size; ++i) {
            AppendHanzi(text, random);
        }
        text += "</p>\r\n";
    }
    text += "</body></html>";
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_corpus N FOLDER\n");
        return 2;
    }
    const std::uint64_t count = std::strtoull(argv[1], nullptr, 10);
    const std::filesystem::path folder = argv[2];
    std::filesystem::create_directories(folder);
    SplitMix64 random{20261211};
    for (std::uint64_t i = 1; i <= count; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "a%06llu.htm", static_cast<unsigned long long>(i));
        std::ofstream(folder / name, std::ios::binary) << Article(i, random);
    }
    return 0;
}
