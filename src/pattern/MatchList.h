// The matches of one search: where each match and each of its groups lies in the subject.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tessivane::pattern {

/// A stretch of the subject in UTF-16 code units; unset for a group that took no part.
struct Span {
    std::size_t start = 0;
    std::size_t end = 0;
    bool set = false;
};

/// Element 0 is the whole match, element m group m.
using MatchSpans = std::vector<Span>;

class MatchList {
public:
    MatchList(std::u16string subject, int groupCount, std::vector<MatchSpans> matches)
        : subject_(std::move(subject)), groupCount_(groupCount), matches_(std::move(matches)) {}

    int Count() const { return static_cast<int>(matches_.size()); }
    int GroupCount() const { return groupCount_; }

    /// The text of match index (from 0), group group (0 the whole match); none when either is
    /// out of range or the group took no part.
    std::optional<std::u16string> Value(int index, int group) const {
        if (index < 0 || index >= Count() || group < 0 || group > groupCount_)
            return std::nullopt;
        const Span& span = matches_[static_cast<std::size_t>(index)][static_cast<std::size_t>(group)];
        if (!span.set)
            return std::nullopt;
        return subject_.substr(span.start, span.end - span.start);
    }

private:
    std::u16string subject_;
    int groupCount_;
    std::vector<MatchSpans> matches_;
};

}  // namespace tessivane::pattern
