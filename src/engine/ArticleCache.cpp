// The titles and output file names a run has worked out, so neighbours and draws skip the file.
#include "engine/ArticleCache.h"

#include <system_error>
#include <utility>

#include "platform/Files.h"

namespace tessivane::engine {
namespace {

// Distinct rewrite options kept at once; an option edited over and over starts the list afresh.
constexpr std::size_t kMaxChoices = 32;

int TitleKind(int titleSource) {
    return titleSource == 0 || titleSource == 1 ? titleSource : 2;
}

}  // namespace

ArticleCache::ArticleCache(std::size_t articles, std::filesystem::path outputFolder)
    : outputFolder_(std::move(outputFolder)), entries_(articles) {}

ArticleInfo ArticleCache::Read(std::size_t index, const std::filesystem::path& path, bool wantBody,
                               bool keepBody, OptionsSource& options, pattern::RegexObject& regex,
                               const text::EventPump& pump) {
    Entry& entry = entries_[index];
    if (IsLinked(entry, path)) {
        return ReadArticle(path, options, regex, pump);
    }
    ArticleInfo info;
    const int encoding = options.encoding();
    if (wantBody) {
        info.body = Decode(index, path, encoding, false);
    }
    SourceTitle(entry, index, path, encoding, wantBody ? &info.body : nullptr, keepBody, options, pump);
    info.fileName = OutputFileName(NamePart(entry, path), options);
    info.title = Rewrite(entry, options, regex);
    return info;
}

void ArticleCache::SourceTitle(Entry& entry, std::size_t index, const std::filesystem::path& path,
                               int encoding, std::string* body, bool keepBody, OptionsSource& options,
                               const text::EventPump& pump) {
    const int kind = TitleKind(options.titleSource());
    const bool drop = kind == 2 && options.dropFirstLine();
    // A file-name title does not depend on the encoding; the others do not depend on the drop.
    const bool cached = entry.titleKind == kind && (kind == 0 || entry.encoding == encoding);
    if (cached && body == nullptr) {
        for (int i = 0; i < entry.pumpsTaken && pump; ++i) {
            pump();
        }
        return;
    }
    std::string title;
    int pumps = 0;
    if (kind == 0) {
        title = FileStem(NamePart(entry, path));
    } else {
        std::string decoded = body == nullptr ? Decode(index, path, encoding, keepBody) : std::string();
        std::string& text = body == nullptr ? decoded : *body;
        if (kind == 1) {
            title = TitleElementOrStem(text, NamePart(entry, path));
        } else {
            const text::EventPump counted = [&pumps, &pump] {
                ++pumps;
                if (pump) {
                    pump();
                }
            };
            title = FirstLineTitle(text, drop, counted);
        }
    }
    Store(entry, kind, encoding, std::move(title), pumps);
}

void ArticleCache::Store(Entry& entry, int kind, int encoding, std::string title, int pumps) {
    if (entry.titleKind != kind || entry.encoding != encoding || entry.sourceTitle != title) {
        entry.rewriteChoice = -1;
        entry.rewrittenTitle.clear();
    }
    entry.titleKind = static_cast<signed char>(kind);
    entry.encoding = encoding;
    entry.sourceTitle = std::move(title);
    entry.pumpsTaken = pumps;
}

std::string ArticleCache::Decode(std::size_t index, const std::filesystem::path& path, int encoding,
                                 bool keepBody) {
    if (kept_.valid && kept_.index == index && kept_.encoding == encoding) {
        kept_.valid = false;
        return std::move(kept_.text);
    }
    std::string text = DecodeBody(platform::ReadFileBytes(path), encoding);
    if (keepBody) {
        kept_ = {index, encoding, true, text};
    }
    return text;
}

std::string ArticleCache::Rewrite(Entry& entry, OptionsSource& options, pattern::RegexObject& regex) {
    const RewriteChoice choice = ReadRewriteChoice(options);
    if (!choice.rewrite) {
        return entry.sourceTitle;
    }
    const int id = ChoiceId(choice);
    if (entry.rewriteChoice != id) {
        entry.rewrittenTitle = ApplyRewrite(entry.sourceTitle, choice, regex);
        entry.rewriteChoice = id;
    }
    return entry.rewrittenTitle;
}

int ArticleCache::ChoiceId(const RewriteChoice& choice) {
    for (std::size_t i = 0; i < choices_.size(); ++i) {
        if (choices_[i] == choice) {
            return static_cast<int>(i);
        }
    }
    if (choices_.size() == kMaxChoices) {
        choices_.clear();
        for (Entry& entry : entries_) {
            entry.rewriteChoice = -1;
        }
    }
    choices_.push_back(choice);
    return static_cast<int>(choices_.size() - 1);
}

const std::string& ArticleCache::NamePart(Entry& entry, const std::filesystem::path& path) {
    if (!entry.hasNamePart) {
        entry.namePart = FileNamePart(path);
        entry.hasNamePart = true;
    }
    return entry.namePart;
}

bool ArticleCache::IsLinked(Entry& entry, const std::filesystem::path& path) {
    if (entry.linked < 0) {
        std::error_code error;
        const bool symbolic = std::filesystem::is_symlink(std::filesystem::symlink_status(path, error));
        const auto links = std::filesystem::hard_link_count(path, error);
        entry.linked = symbolic || (!error && links > 1) || InOutputFolder(path) ? 1 : 0;
    }
    return entry.linked == 1;
}

bool ArticleCache::InOutputFolder(const std::filesystem::path& path) {
    const std::filesystem::path parent =
        path.parent_path().empty() ? std::filesystem::path(".") : path.parent_path();
    if (parent != lastParent_) {
        std::error_code error;
        lastParent_ = parent;
        lastParentIsOutput_ = std::filesystem::equivalent(parent, outputFolder_, error);
    }
    return lastParentIsOutput_;
}

}  // namespace tessivane::engine
