// Regular expressions on GBK texts, with ECMAScript syntax and every failure made neutral.
#include "pattern/RegexObject.h"

#include "pattern/MatchList.h"
#include "pattern/RegexEngine.h"
#include "platform/CodePage.h"

namespace tessivane::pattern {

RegexObject::RegexObject() = default;
RegexObject::~RegexObject() = default;

RegexObject::RegexObject(const RegexObject& other)
    : component_(other.component_),
      lastMatches_(other.lastMatches_),
      optionBits_(other.optionBits_),
      patternText_(other.patternText_) {}

bool RegexObject::CreateComponent() {
    // The engine is linked in, so there is nothing to register; an existing one is kept.
    if (!component_)
        component_ = std::make_shared<RegexEngine>();
    return true;
}

bool RegexObject::SetPattern(std::string_view pattern, bool matchCase, bool singleLine, bool firstOnly) {
    int bits = (matchCase ? 0 : kIgnoreCase) | (singleLine ? 0 : kMultiline) | (firstOnly ? 0 : kGlobal);
    if (pattern == patternText_ && bits == optionBits_)
        return true;
    std::optional<std::u16string> newPattern;
    if (!pattern.empty()) {
        patternText_ = pattern;
        newPattern = platform::GbkToUtf16(pattern);
    }
    optionBits_ = bits;
    if (component_) {
        component_->Configure(
            std::move(newPattern),
            EngineOptions{(bits & kIgnoreCase) != 0, (bits & kMultiline) != 0, (bits & kGlobal) != 0});
    }
    return true;
}

bool RegexObject::SetPatternWithOptions(std::string_view pattern, bool ignoreCase, bool multiline,
                                        bool global) {
    return SetPattern(pattern, !ignoreCase, !multiline, !global);
}

int RegexObject::FindMatches(std::string_view subject) {
    lastMatches_.reset();
    if (!component_)
        return 0;
    std::u16string wide = platform::GbkToUtf16(subject);
    std::optional<std::vector<MatchSpans>> matches = component_->Execute(wide);
    if (!matches)
        return 0;
    lastMatches_ =
        std::make_shared<const MatchList>(std::move(wide), component_->GroupCount(), std::move(*matches));
    return lastMatches_->Count();
}

int RegexObject::SetPatternAndFind(std::string_view pattern, std::string_view subject, bool matchCase,
                                   bool singleLine, bool firstOnly) {
    SetPattern(pattern, matchCase, singleLine, firstOnly);
    return FindMatches(subject);
}

int RegexObject::MatchCount() const {
    return lastMatches_ ? lastMatches_->Count() : 0;
}

std::optional<std::u16string> RegexObject::MatchValue(int n, int m) const {
    if (!lastMatches_)
        return std::nullopt;
    return lastMatches_->Value(n - 1, m <= 0 ? 0 : m);
}

std::string RegexObject::MatchText(int n, int m) const {
    std::optional<std::u16string> value = MatchValue(n, m);
    return value ? platform::Utf16ToGbk(*value) : std::string();
}

int RegexObject::MatchLength(int n, int m) const {
    std::optional<std::u16string> value = MatchValue(n, m);
    return value ? static_cast<int>(value->size()) : 0;
}

int RegexObject::MatchByteLength(int n, int m) const {
    return static_cast<int>(MatchText(n, m).size());
}

int RegexObject::GroupCount() const {
    return lastMatches_ && lastMatches_->Count() > 0 ? lastMatches_->GroupCount() : 0;
}

std::string RegexObject::ReplaceMatches(std::string_view subject, std::string_view replacement,
                                        std::optional<std::string_view> newPattern, bool matchCase,
                                        bool singleLine, bool firstOnly) {
    if (newPattern)
        SetPattern(*newPattern, matchCase, singleLine, firstOnly);
    if (!component_)
        return {};
    std::optional<std::u16string> result =
        component_->Replace(platform::GbkToUtf16(subject), platform::GbkToUtf16(replacement));
    return result ? platform::Utf16ToGbk(*result) : std::string();
}

bool RegexObject::TestMatch(std::string_view subject) {
    if (!component_)
        return false;
    return component_->Test(platform::GbkToUtf16(subject)).value_or(false);
}

int RegexObject::PatternWrites() const {
    return component_ ? component_->Writes() : 0;
}

}  // namespace tessivane::pattern
