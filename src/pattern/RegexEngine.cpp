// The engine state behind RegexObject: one compiled PCRE2 pattern, its options and the searches.
//
// Patterns are ECMAScript without the "u" flag, run by PCRE2's 16-bit library. The choices:
// - PCRE2_UTF without PCRE2_UCP: case folding follows Unicode (Greek, Cyrillic, full-width
//   Latin) while \d, \w and \b stay ASCII, as in ECMAScript. Subjects come from GBK, which has
//   no character beyond U+FFFF, so reading the text as characters or as code units is the same.
// - PCRE2_ALT_BSUX: \xHH and \uHHHH with exactly two and four digits, otherwise the letter
//   itself, as ECMAScript reads them without "u" (so not EXTRA_ALT_BSUX: its \u{...} would
//   differ).
// - PCRE2_DOLLAR_ENDONLY: "$" without Multiline matches at the very end only.
// - PCRE2_MATCH_UNSET_BACKREF: a reference to a group that took no part matches the empty text.
// - PCRE2_ALLOW_EMPTY_CLASS: "[]" matches nothing and "[^]" any character.
// - PCRE2_NEWLINE_ANY: in Multiline mode "^" and "$" work at \n, \r, U+2028 and U+2029.
// - PatternTranslation rewrites what PCRE2 reads otherwise ("." \s \S \v, identity escapes,
//   legacy octal escapes) and refuses PCRE2-only syntax.
// - Match, depth and heap limits, and a bounded JIT stack, turn a runaway backtracking search
//   into a failed call within milliseconds.
//
// Corners that still differ from ECMAScript:
// - A lookbehind must have a fixed length per alternative; a variable one is an invalid pattern.
// - A pattern escaping a lone surrogate (\uD800) is invalid instead of matching nothing.
// - In Multiline mode "^" and "$" also work at VT, FF and NEL, and CR LF counts as one line
//   break, so "^" does not match between its CR and LF.
// - Case folding takes PCRE2's Unicode sets: the Kelvin sign and long s match k and s, dotless
//   i may match I, and sharp s matches capital sharp s; ECMAScript keeps these apart.
// - "$<name>" in a replacement stays literal; named groups are matched but not substituted.
// - An empty match steps on by a whole surrogate pair where one would be split.
// - A group name must be ASCII letters, digits and "_" (at most 32); "(?<名>...)" or "$" in a
//   name makes the pattern invalid.
#include "pattern/RegexEngine.h"

#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

#include "pattern/PatternTranslation.h"
#include "pattern/Substitution.h"

namespace tessivane::pattern {
namespace {

// About 1 ms (JIT) to 10 ms (interpreter) of backtracking; ordinary patterns on titles need a
// tiny fraction of it. The interpreter keeps its backtracking frames on the heap, so the depth
// and heap limits bound memory, not the machine stack; the JIT has a stack of its own.
constexpr uint32_t kMatchLimit = 1'000'000;
constexpr uint32_t kDepthLimit = 1'000'000;
constexpr uint32_t kHeapLimitKiB = 64 * 1024;
constexpr std::size_t kJitStackStart = 64 * 1024;
constexpr std::size_t kJitStackMax = 8 * 1024 * 1024;

constexpr uint32_t kBaseOptions = PCRE2_UTF | PCRE2_ALT_BSUX | PCRE2_ALLOW_EMPTY_CLASS |
                                  PCRE2_DOLLAR_ENDONLY | PCRE2_MATCH_UNSET_BACKREF | PCRE2_NEVER_BACKSLASH_C |
                                  PCRE2_NEVER_UCP;

struct CodeFree {
    void operator()(pcre2_code* p) const { pcre2_code_free(p); }
};
struct MatchDataFree {
    void operator()(pcre2_match_data* p) const { pcre2_match_data_free(p); }
};
struct MatchContextFree {
    void operator()(pcre2_match_context* p) const { pcre2_match_context_free(p); }
};
struct CompileContextFree {
    void operator()(pcre2_compile_context* p) const { pcre2_compile_context_free(p); }
};
struct JitStackFree {
    void operator()(pcre2_jit_stack* p) const { pcre2_jit_stack_free(p); }
};

PCRE2_SPTR Units(std::u16string_view text) {
    static const char16_t kEmpty[1] = {0};
    return reinterpret_cast<PCRE2_SPTR>(text.empty() ? kEmpty : text.data());
}

std::size_t StepOneCharacter(std::u16string_view subject, std::size_t at) {
    bool pair = at + 1 < subject.size() && subject[at] >= 0xD800 && subject[at] <= 0xDBFF &&
                subject[at + 1] >= 0xDC00 && subject[at + 1] <= 0xDFFF;
    return at + (pair ? 2 : 1);
}

}  // namespace

struct RegexEngine::Compiled {
    std::unique_ptr<pcre2_code, CodeFree> code;
    std::unique_ptr<pcre2_match_data, MatchDataFree> matchData;
    std::unique_ptr<pcre2_match_context, MatchContextFree> matchContext;
    std::unique_ptr<pcre2_jit_stack, JitStackFree> jitStack;
    int groupCount = 0;
};

RegexEngine::RegexEngine() = default;
RegexEngine::~RegexEngine() = default;

void RegexEngine::Configure(std::optional<std::u16string> pattern, EngineOptions options) {
    if (pattern)
        pattern_ = std::move(*pattern);
    options_ = options;
    ++writes_;
    compiled_.reset();
    compileTried_ = false;
}

RegexEngine::Compiled* RegexEngine::Compile() {
    if (compileTried_)
        return compiled_.get();
    compileTried_ = true;
    std::optional<std::u16string> translated = TranslatePattern(pattern_);
    if (!translated)
        return nullptr;

    std::unique_ptr<pcre2_compile_context, CompileContextFree> context(pcre2_compile_context_create(nullptr));
    if (!context)
        return nullptr;
    pcre2_set_newline(context.get(), PCRE2_NEWLINE_ANY);
    uint32_t flags = kBaseOptions | (options_.ignoreCase ? PCRE2_CASELESS : 0u) |
                     (options_.multiline ? PCRE2_MULTILINE : 0u);
    int error = 0;
    PCRE2_SIZE errorOffset = 0;
    auto result = std::make_unique<Compiled>();
    result->code.reset(
        pcre2_compile(Units(*translated), translated->size(), flags, &error, &errorOffset, context.get()));
    if (!result->code)
        return nullptr;
    result->matchData.reset(pcre2_match_data_create_from_pattern(result->code.get(), nullptr));
    result->matchContext.reset(pcre2_match_context_create(nullptr));
    if (!result->matchData || !result->matchContext)
        return nullptr;
    pcre2_set_match_limit(result->matchContext.get(), kMatchLimit);
    pcre2_set_depth_limit(result->matchContext.get(), kDepthLimit);
    pcre2_set_heap_limit(result->matchContext.get(), kHeapLimitKiB);
    if (pcre2_jit_compile(result->code.get(), PCRE2_JIT_COMPLETE) == 0) {
        result->jitStack.reset(pcre2_jit_stack_create(kJitStackStart, kJitStackMax, nullptr));
        if (result->jitStack)
            pcre2_jit_stack_assign(result->matchContext.get(), nullptr, result->jitStack.get());
    }
    uint32_t captures = 0;
    pcre2_pattern_info(result->code.get(), PCRE2_INFO_CAPTURECOUNT, &captures);
    result->groupCount = static_cast<int>(captures);
    compiled_ = std::move(result);
    return compiled_.get();
}

int RegexEngine::GroupCount() {
    Compiled* compiled = Compile();
    return compiled ? compiled->groupCount : 0;
}

std::optional<std::vector<MatchSpans>> RegexEngine::Execute(std::u16string_view subject) {
    Compiled* compiled = Compile();
    if (!compiled)
        return std::nullopt;
    std::vector<MatchSpans> matches;
    uint32_t flags = 0;  // the first call checks the subject's UTF-16, the later ones need not
    for (std::size_t start = 0; start <= subject.size();) {
        int rc = pcre2_match(compiled->code.get(), Units(subject), subject.size(), start, flags,
                             compiled->matchData.get(), compiled->matchContext.get());
        flags = PCRE2_NO_UTF_CHECK;
        if (rc == PCRE2_ERROR_NOMATCH)
            break;
        if (rc < 0)
            return std::nullopt;
        const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(compiled->matchData.get());
        MatchSpans spans(static_cast<std::size_t>(compiled->groupCount) + 1);
        for (std::size_t g = 0; g < spans.size() && g < static_cast<std::size_t>(rc); ++g) {
            if (ovector[2 * g] != PCRE2_UNSET && ovector[2 * g] <= ovector[2 * g + 1]) {
                spans[g] = Span{ovector[2 * g], ovector[2 * g + 1], true};
            }
        }
        if (!spans[0].set)
            return std::nullopt;
        matches.push_back(std::move(spans));
        if (!options_.global)
            break;
        start = ovector[1] > ovector[0] ? ovector[1] : StepOneCharacter(subject, ovector[1]);
    }
    return matches;
}

std::optional<std::u16string> RegexEngine::Replace(std::u16string_view subject,
                                                   std::u16string_view replacement) {
    std::optional<std::vector<MatchSpans>> matches = Execute(subject);
    if (!matches)
        return std::nullopt;
    std::u16string out;
    std::size_t copied = 0;
    for (const MatchSpans& match : *matches) {
        out += subject.substr(copied, match[0].start - copied);
        out += ExpandReplacement(replacement, subject, match);
        copied = match[0].end;
    }
    out += subject.substr(copied);
    return out;
}

std::optional<bool> RegexEngine::Test(std::u16string_view subject) {
    Compiled* compiled = Compile();
    if (!compiled)
        return std::nullopt;
    int rc = pcre2_match(compiled->code.get(), Units(subject), subject.size(), 0, 0,
                         compiled->matchData.get(), compiled->matchContext.get());
    if (rc == PCRE2_ERROR_NOMATCH)
        return false;
    if (rc < 0)
        return std::nullopt;
    return true;
}

}  // namespace tessivane::pattern
