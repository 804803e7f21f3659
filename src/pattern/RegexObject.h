// Regular expressions on GBK texts, with ECMAScript syntax and every failure made neutral.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tessivane::pattern {

class RegexEngine;  // the compiled pattern and its options (PCRE2)
class MatchList;    // the matches of the last search

/// One object serves the whole process. Every failure (no engine, an invalid pattern, a
/// match limit hit, an index out of range) gives 0, false or the empty text.
class RegexObject {
public:
    /// Option bits, as last sent to the engine.
    static constexpr int kIgnoreCase = 1;
    static constexpr int kMultiline = 2;
    static constexpr int kGlobal = 4;

    RegexObject();
    ~RegexObject();
    /// The copy shares the engine state and the last matches, and has its own option bits and
    /// pattern text.
    RegexObject(const RegexObject& other);
    RegexObject& operator=(const RegexObject&) = delete;

    /// Makes the regular-expression engine available; true when it is.
    bool CreateComponent();

    /// The flags turn options off. An empty pattern leaves the pattern in force; the same
    /// pattern with the same options is not sent again. Always true.
    bool SetPattern(std::string_view pattern, bool matchCase = false, bool singleLine = false,
                    bool firstOnly = false);
    /// The flags turn options on (each true when not given).
    bool SetPatternWithOptions(std::string_view pattern, bool ignoreCase = true, bool multiline = true,
                               bool global = true);

    int FindMatches(std::string_view subject);
    int SetPatternAndFind(std::string_view pattern, std::string_view subject, bool matchCase = false,
                          bool singleLine = false, bool firstOnly = false);
    int MatchCount() const;
    int TotalMatches() const { return MatchCount(); }

    /// The value of match n, or of its group m (both from 1; m 0 for the whole match); no
    /// value when the read fails or the group took no part.
    std::optional<std::u16string> MatchValue(int n, int m = 0) const;
    std::string MatchText(int n, int m = 0) const;
    std::string SubMatchText(int n, int m) const { return MatchText(n, m); }
    /// Length in UTF-16 code units.
    int MatchLength(int n, int m = 0) const;
    /// Length in GBK bytes.
    int MatchByteLength(int n, int m = 0) const;
    int GroupCount() const;

    /// The subject with the matches replaced ($1..$99, $&, $`, $', $$ as in ECMAScript).
    /// A new pattern, when given, is set first.
    std::string ReplaceMatches(std::string_view subject, std::string_view replacement = {},
                               std::optional<std::string_view> newPattern = std::nullopt,
                               bool matchCase = false, bool singleLine = false, bool firstOnly = false);
    bool TestMatch(std::string_view subject);

    std::string GetPattern() const { return patternText_; }
    std::string CurrentPattern() const { return patternText_; }
    int OptionBits() const { return optionBits_; }
    /// How many times a pattern or its options were actually sent to the engine.
    int PatternWrites() const;

    static std::string WildcardToPattern(std::string_view text);
    static std::string EscapeLiteral(std::string_view text);
    static std::string EscapeAlternatives(std::string_view text);

private:
    std::shared_ptr<RegexEngine> component_;
    std::shared_ptr<const MatchList> lastMatches_;
    int optionBits_ = 0;
    std::string patternText_;
};

}  // namespace tessivane::pattern
