// Fuzzer of the INI layer: no file crashes the reader, and what is written reads back.
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "settings/DateText.h"
#include "settings/IniFile.h"
#include "settings/NumberText.h"
#include "settings/SettingsStore.h"

namespace {

namespace settings = tessivane::settings;

/// The texts in hand, printed when a property fails.
std::string currentCase;

void Describe(const char* name, std::string_view bytes) {
    currentCase += std::string("  ") + name + ":";
    for (const char byte : bytes) {
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02X", static_cast<unsigned char>(byte));
        currentCase += hex;
    }
    currentCase += "\n";
}

void Expect(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "INI property does not hold: %s\n%s", property, currentCase.c_str());
        std::abort();
    }
}

/// Names and values drawn from few bytes meet the file's own names often.
std::string Draw(FuzzedDataProvider& data, std::size_t maxLength) {
    static constexpr std::string_view kAlphabet = "aAbB =[]\r\n\t;\x81\xD5\xE6\x5D";
    std::string drawn = data.ConsumeRandomLengthString(maxLength);
    if (data.ConsumeBool()) {
        for (char& byte : drawn) {
            byte = kAlphabet[static_cast<unsigned char>(byte) % kAlphabet.size()];
        }
    }
    return drawn;
}

std::string CutAtLineBreak(std::string_view value) {
    return std::string(value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3))));
}

struct Entry {
    std::string section;
    std::string key;
    std::string value;
};

void CheckDocument(std::string_view fileBytes, const Entry& written, const Entry& probe) {
    settings::IniDocument document(fileBytes);
    Expect(document.Bytes() == fileBytes, "a document keeps every byte it read");
    const auto probeBefore = document.Find(probe.section, probe.key);
    if (!document.Set(written.section, written.key, written.value)) {
        Expect(document.Bytes() == fileBytes, "a refused Set changes nothing");
        return;
    }
    const std::string expected = CutAtLineBreak(written.value);
    Expect(document.Find(written.section, written.key) == expected, "Set reads back");
    const settings::IniDocument reread(document.Bytes());
    Expect(reread.Find(written.section, written.key) == expected, "Set reads back from the bytes");
    const auto probeAfter = reread.Find(probe.section, probe.key);
    Expect(probeAfter == probeBefore || probeAfter == expected, "Set changes no other entry");
}

/// A file of this process's own, rewritten for every input.
const std::string& StorePath() {
    static const std::string path =
        (std::filesystem::temp_directory_path() / ("tessivane-fuzz-" + std::to_string(getpid()) + ".ini"))
            .string();
    return path;
}

void CheckStore(std::string_view fileBytes, const Entry& written, double number, bool held) {
    std::ofstream(StorePath(), std::ios::binary | std::ios::trunc)
        .write(fileBytes.data(), static_cast<std::streamsize>(fileBytes.size()));
    settings::SettingsStore store;
    store.Bind(StorePath(), written.section);
    if (held) {
        store.BeginUpdate();
    }
    const std::string stored = settings::FoldLineBreaks(written.value);
    const bool storable = stored.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos;
    if (store.WriteText(written.key, written.value) && storable) {
        Expect(store.ReadText(written.key) == settings::TextAsRead(stored), "WriteText reads back");
    }
    if (store.WriteFlag(written.key, number > 0)) {
        Expect(store.ReadFlag(written.key) == (number > 0), "WriteFlag reads back");
    }
    if (std::isfinite(number) && store.WriteNumber(written.key, number)) {
        Expect(settings::NumberText(store.ReadNumber(written.key)) == settings::NumberText(number),
               "WriteNumber reads back");
    }
    if (held) {
        store.CommitUpdate();
    }
}

void CheckParsers(std::string_view text) {
    (void)settings::ParseNumberText(text);
    (void)settings::FoldFullWidth(text);
    if (const auto date = settings::ParseDateTimeText(text)) {
        Expect(settings::ParseDateTimeText(settings::DateTimeText(*date)) == date, "a read date writes back");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    Entry written;
    written.section = Draw(data, 16);
    written.key = Draw(data, 16);
    written.value = Draw(data, 64);
    Entry probe;
    probe.section = data.ConsumeBool() ? written.section : Draw(data, 16);
    probe.key = Draw(data, 16);
    const double number = data.ConsumeFloatingPoint<double>();
    const bool touchFile = data.ConsumeIntegralInRange<int>(0, 7) == 0;
    const bool held = data.ConsumeBool();
    const std::string fileBytes = data.ConsumeRemainingBytesAsString();

    currentCase.clear();
    Describe("section", written.section);
    Describe("key", written.key);
    Describe("value", written.value);
    Describe("probe section", probe.section);
    Describe("probe key", probe.key);
    Describe("file", fileBytes);
    CheckDocument(fileBytes, written, probe);
    CheckParsers(written.value);
    CheckParsers(fileBytes);
    if (touchFile) {
        CheckStore(fileBytes, written, number, held);
    }
    return 0;
}
