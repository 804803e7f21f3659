// Fuzzer of the regular-expression object: random patterns and subjects, no crash and no runaway search.
//
// Input: one byte of option bits, then the pattern, a NUL, the replacement, a NUL and the
// subject. Lengths are capped so that the engine's match limits keep every call short.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "pattern/RegexObject.h"
#include "platform/CodePage.h"

namespace {

using tessivane::pattern::RegexObject;

constexpr std::size_t kMaxPattern = 256;
constexpr std::size_t kMaxReplacement = 64;
constexpr std::size_t kMaxSubject = 4096;

void Expect(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "regular-expression property does not hold: %s\n", property);
        std::abort();
    }
}

/// The bytes up to the next NUL (at most maxLength of them); the input moves past the NUL.
std::string_view TakePart(std::string_view& input, std::size_t maxLength) {
    const std::size_t end = input.find('\0');
    std::string_view part = input.substr(0, end);
    input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
    return part.substr(0, maxLength);
}

void ReadMatches(const RegexObject& regex, int count) {
    const int groups = regex.GroupCount();
    for (int n = 0; n <= count + 1 && n <= 8; ++n) {
        for (int m = -1; m <= groups + 1 && m <= 10; ++m) {
            const std::string text = regex.MatchText(n, m);
            Expect(regex.MatchByteLength(n, m) == static_cast<int>(text.size()), "MatchByteLength");
            const auto value = regex.MatchValue(n, m);
            Expect(regex.MatchLength(n, m) == (value ? static_cast<int>(value->size()) : 0), "MatchLength");
            Expect(value || text.empty(), "a missing value reads as the empty text");
        }
    }
    Expect(!regex.MatchValue(count + 1).has_value(), "no match past the count");
}

void Exercise(RegexObject& regex, std::string_view pattern, std::string_view replacement,
              std::string_view subject, unsigned options) {
    const bool matchCase = (options & 1) != 0;
    const bool singleLine = (options & 2) != 0;
    const bool firstOnly = (options & 4) != 0;
    regex.SetPattern(pattern, matchCase, singleLine, firstOnly);
    if (!pattern.empty()) {
        Expect(regex.GetPattern() == pattern, "the pattern set is the pattern in force");
    }
    const int count = regex.FindMatches(subject);
    Expect(count == regex.MatchCount(), "MatchCount after FindMatches");
    Expect(!firstOnly || count <= 1, "first-only finds at most one match");
    ReadMatches(regex, count);
    const bool found = regex.TestMatch(subject);
    Expect(count == 0 || found, "a subject with matches tests true");

    RegexObject copy(regex);
    Expect(copy.MatchCount() == count && copy.GetPattern() == regex.GetPattern(),
           "the copy keeps the matches");
    ReadMatches(copy, count);
    copy.SetPattern(replacement, !matchCase, singleLine, firstOnly);
    Expect(regex.MatchCount() == count, "the copy's changes leave the original's matches");

    (void)regex.ReplaceMatches(subject, replacement);
    if ((options & 8) != 0) {
        (void)regex.ReplaceMatches(subject, replacement, replacement, !matchCase, !singleLine, firstOnly);
    }
    (void)copy.FindMatches(subject);
    (void)regex.SetPatternAndFind(pattern, replacement, matchCase, singleLine, firstOnly);
}

/// An escaped literal matches itself, for texts that the code page carries unchanged. Bytes 0x80
/// and 0xFF are left out: the code page takes them alone, while the escaping steps over them
/// together with the byte after them as over any lead byte.
void CheckEscapedLiteral(std::string_view literal) {
    namespace platform = tessivane::platform;
    if (literal.empty() || literal.find_first_of("\x80\xFF") != std::string_view::npos ||
        platform::Utf16ToGbk(platform::GbkToUtf16(literal)) != literal) {
        return;
    }
    RegexObject regex;
    regex.CreateComponent();
    regex.SetPattern(RegexObject::EscapeLiteral(literal), true);
    Expect(regex.TestMatch(literal), "an escaped literal matches itself");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const unsigned options = data[0];
    std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::string_view pattern = TakePart(input, kMaxPattern);
    const std::string_view replacement = TakePart(input, kMaxReplacement);
    const std::string_view subject = input.substr(0, kMaxSubject);

    RegexObject regex;
    if ((options & 16) == 0) {
        regex.CreateComponent();
    }
    Exercise(regex, pattern, replacement, subject, options);
    (void)RegexObject::WildcardToPattern(subject.substr(0, kMaxPattern));
    CheckEscapedLiteral(pattern);
    (void)RegexObject::EscapeAlternatives(subject.substr(0, kMaxPattern));
    return 0;
}
