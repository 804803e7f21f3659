// Differential fuzzer: the text toolkit's fast operations against the plain character-stepping version.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "ReferenceText.h"
#include "text/TextOperations.h"
#include "text/TextPrimitives.h"

namespace {

namespace ref = tessivane::fuzz::reference;
namespace text = tessivane::text;
using Pos = text::Pos;

/// Texts drawn from few bytes meet each other often: letters of both cases, the separators,
/// apostrophes, lead bytes (0x81, 0xCD) and second bytes that look like ASCII ("\\", "|").
constexpr std::string_view kAlphabet = "aAbB'|\\#\x81\xCD\xB7\xCE\xB2<>L";

std::string Draw(FuzzedDataProvider& data, bool smallAlphabet, std::size_t maxLength) {
    std::string drawn = data.ConsumeRandomLengthString(maxLength);
    if (smallAlphabet) {
        for (char& byte : drawn) {
            byte = kAlphabet[static_cast<unsigned char>(byte) % kAlphabet.size()];
        }
    }
    return drawn;
}

/// The case in hand, printed when the two versions differ.
struct Case {
    std::string subject, needle, other;
    Pos startAt = 0, limitAt = 0, positionAt = 0, startShift = 0, endTrim = 0, maxCount = 0;
    bool backward = false, foldQuotes = false;
} current;

void PrintBytes(const char* name, std::string_view bytes) {
    std::fprintf(stderr, "  %s (%zu):", name, bytes.size());
    for (const char byte : bytes) {
        std::fprintf(stderr, " %02X", static_cast<unsigned char>(byte));
    }
    std::fprintf(stderr, "\n");
}

void Expect(bool holds, const char* operation) {
    if (holds) {
        return;
    }
    std::fprintf(stderr, "text operation differs from the reference: %s\n", operation);
    PrintBytes("subject", current.subject);
    PrintBytes("needle/left", current.needle);
    PrintBytes("other/right", current.other);
    std::fprintf(stderr,
                 "  start %lld limit %lld position %lld shift %lld trim %lld max %lld back %d fold %d\n",
                 current.startAt, current.limitAt, current.positionAt, current.startShift, current.endTrim,
                 current.maxCount, current.backward, current.foldQuotes);
    std::abort();
}

void CheckSearches(std::string_view subject, std::string_view needle, Pos start, Pos limit) {
    for (const bool ignoreCase : {false, true}) {
        Expect(text::FindForward(subject, needle, start, ignoreCase) ==
                   ref::FindForward(subject, needle, start, ignoreCase),
               "FindForward");
        Expect(text::FindBackward(subject, needle, limit, ignoreCase) ==
                   ref::FindBackward(subject, needle, limit, ignoreCase),
               "FindBackward");
        if (!needle.empty()) {
            Expect(text::CountOccurrences(subject, needle, ignoreCase) ==
                       ref::CountOccurrences(subject, needle, ignoreCase),
                   "CountOccurrences");
        }
    }
    Expect(text::FindForward(subject, needle) == ref::FindForward(subject, needle, 1, false), "FindForward");
    Expect(text::FindBackward(subject, needle) == ref::FindBackward(subject, needle, -1, false),
           "FindBackward");
}

void CheckRewrites(std::string_view subject, std::string_view find, std::string_view replacement,
                   Pos maxCount) {
    for (const bool matchCase : {false, true}) {
        Expect(text::Substitute(subject, find, replacement, maxCount, matchCase) ==
                   ref::Substitute(subject, find, replacement, maxCount, matchCase),
               "Substitute");
    }
    Expect(text::SplitBy(subject, find) == ref::SplitBy(subject, find), "SplitBy");
    Expect(text::FoldQuotes(subject) == ref::FoldQuotes(subject), "FoldQuotes");
}

void CheckExtraction(std::string_view subject, const ref::Extraction& in, Pos startShift, Pos endTrim,
                     bool backward, bool foldQuotes) {
    const ref::Extraction expected = ref::ExtractBetween(
        subject, in, startShift, endTrim, backward, foldQuotes, text::kHeadSentinel, text::kTailSentinel);
    ref::Extraction actual = in;
    actual.result = text::ExtractBetween(subject, actual.leftMarker, actual.rightMarker, startShift, endTrim,
                                         &actual.position, backward, foldQuotes);
    Expect(actual.result == expected.result, "ExtractBetween result");
    Expect(actual.leftMarker == expected.leftMarker, "ExtractBetween leftMarker");
    Expect(actual.rightMarker == expected.rightMarker, "ExtractBetween rightMarker");
    Expect(actual.position == expected.position, "ExtractBetween position");

    ref::Extraction fromStart = in;
    fromStart.position = 0;
    Expect(text::ExtractBetween(subject, in.leftMarker, in.rightMarker) ==
               ref::ExtractBetween(subject, fromStart, 0, 0, false, false, text::kHeadSentinel,
                                   text::kTailSentinel)
                   .result,
           "ExtractBetween (markers only)");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const bool smallAlphabet = data.ConsumeBool();
    const std::string needle = Draw(data, smallAlphabet, 12);
    const std::string other = Draw(data, smallAlphabet, 12);
    const Pos startShift = data.ConsumeIntegralInRange<Pos>(-12, 12);
    const Pos endTrim = data.ConsumeIntegralInRange<Pos>(-12, 12);
    const Pos maxCount = data.ConsumeIntegralInRange<Pos>(-2, 4);
    const std::uint8_t start = data.ConsumeIntegral<std::uint8_t>();
    const std::uint8_t limit = data.ConsumeIntegral<std::uint8_t>();
    const bool backward = data.ConsumeBool();
    const bool foldQuotes = data.ConsumeBool();
    const std::string subject = Draw(data, smallAlphabet, 600);

    // Positions around the text's ends matter most: map the bytes to -3 .. length + 4.
    const Pos length = static_cast<Pos>(subject.size());
    const Pos startAt = static_cast<Pos>(start) % (length + 8) - 3;
    const Pos limitAt = static_cast<Pos>(limit) % (length + 8) - 3;
    const Pos positionAt = static_cast<Pos>(start) % (length + 30) - 3;

    current = Case{subject,    needle,  other,    startAt,  limitAt,   positionAt,
                   startShift, endTrim, maxCount, backward, foldQuotes};
    CheckSearches(subject, needle, startAt, limitAt);
    CheckRewrites(subject, needle, other, maxCount);
    CheckExtraction(subject, ref::Extraction{{}, needle, other, positionAt}, startShift, endTrim, backward,
                    foldQuotes);
    return 0;
}
