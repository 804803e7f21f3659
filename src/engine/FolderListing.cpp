// The files of one folder whose names match a wildcard filter, as the folder import lists them.
#include "engine/FolderListing.h"

#include <algorithm>
#include <system_error>

#include "platform/CodePage.h"

namespace tessivane::engine {
namespace {

char FoldAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Bytes of the GBK character that starts at `at`: two for a lead byte with a byte after it.
std::size_t CharLength(std::string_view text, std::size_t at) {
    return static_cast<unsigned char>(text[at]) >= 0x80 && at + 1 < text.size() ? 2 : 1;
}

bool SameChar(std::string_view name, std::size_t at, std::string_view filter, std::size_t filterAt,
              std::size_t length) {
    if (at + length > name.size() || CharLength(name, at) != length) {
        return false;
    }
    for (std::size_t i = 0; i < length; ++i) {
        if (FoldAscii(name[at + i]) != FoldAscii(filter[filterAt + i])) {
            return false;
        }
    }
    return true;
}

// Backtracking over the last "*" keeps the match linear in practice and never recursive.
bool MatchWildcards(std::string_view name, std::string_view filter) {
    std::size_t n = 0;
    std::size_t f = 0;
    std::size_t starFilter = std::string_view::npos;
    std::size_t starName = 0;
    while (n < name.size()) {
        if (f < filter.size() && filter[f] == '*') {
            starFilter = ++f;
            starName = n;
        } else if (f < filter.size() && filter[f] == '?') {
            n += CharLength(name, n);
            ++f;
        } else if (f < filter.size() && SameChar(name, n, filter, f, CharLength(filter, f))) {
            n += CharLength(filter, f);
            f += CharLength(filter, f);
        } else if (starFilter != std::string_view::npos) {
            starName += CharLength(name, starName);
            n = starName;
            f = starFilter;
        } else {
            return false;
        }
    }
    while (f < filter.size() && filter[f] == '*') {
        ++f;
    }
    return f == filter.size();
}

bool LessByName(const std::filesystem::path& a, const std::filesystem::path& b) {
    const std::string left = a.filename().native();
    const std::string right = b.filename().native();
    const auto folded = [](char l, char r) { return FoldAscii(l) < FoldAscii(r); };
    if (std::lexicographical_compare(left.begin(), left.end(), right.begin(), right.end(), folded)) {
        return true;
    }
    if (std::lexicographical_compare(right.begin(), right.end(), left.begin(), left.end(), folded)) {
        return false;
    }
    return left < right;
}

}  // namespace

bool MatchesFilter(std::string_view name, std::string_view filter) {
    if (filter.empty()) {
        return false;
    }
    if (MatchWildcards(name, filter)) {
        return true;
    }
    return filter.size() >= 2 && filter.substr(filter.size() - 2) == ".*" &&
           name.find('.') == std::string_view::npos &&
           MatchWildcards(name, filter.substr(0, filter.size() - 2));
}

ArticleList ListFolderFiles(const std::filesystem::path& folder, std::string_view filter,
                            const text::EventPump& pump) {
    ArticleList files;
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    if (error || filter.empty()) {
        return files;
    }
    for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
        std::error_code kindError;
        if (!entries->is_directory(kindError) &&
            MatchesFilter(platform::PathToGbk(entries->path().filename()), filter)) {
            files.push_back(entries->path());
        }
        if (pump) {
            pump();
        }
    }
    std::sort(files.begin(), files.end(), LessByName);
    return files;
}

}  // namespace tessivane::engine
