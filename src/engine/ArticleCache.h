// The titles and output file names a run has worked out, so neighbours and draws skip the file.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/ArticleReader.h"
#include "engine/TitleRewrite.h"

namespace tessivane::engine {

/// One per run, one entry per place in the article list. A read through the cache asks the
/// options exactly as ReadArticle does, at the same moments and in the same order, and hands
/// events over as often (a first-line title replays the pump once per line the file read took);
/// only the file read, the decoding and the title extraction are skipped when an earlier read
/// of the same article met the same option values. Source files are taken not to change while
/// the run lasts, except where the run's own pages may overwrite them: a source that is a link, or
/// one that lies in the output folder, is read afresh every time.
class ArticleCache {
public:
    ArticleCache(std::size_t articles, std::filesystem::path outputFolder);

    /// What ReadArticle gives; the body only with wantBody. With keepBody the decoded text stays
    /// for the next read of the same article (a next neighbour that becomes the current one).
    ArticleInfo Read(std::size_t index, const std::filesystem::path& path, bool wantBody, bool keepBody,
                     OptionsSource& options, pattern::RegexObject& regex, const text::EventPump& pump);

    /// Whether the run's pages may overwrite the source: a link, or a file in the output folder.
    bool MayBeOverwritten(std::size_t index, const std::filesystem::path& path) {
        return IsLinked(entries_[index], path);
    }

private:
    struct Entry {
        int encoding = 0;
        signed char titleKind = -1;  // 0 file name, 1 <title>, 2 first line; -1 nothing cached
        bool hasNamePart = false;
        signed char linked = -1;     // the run's pages may overwrite the source; -1 not yet tested
        int pumpsTaken = 0;          // lines the first-line title read
        int rewriteChoice = -1;      // index into choices_ of the rewritten title, -1 none
        std::string sourceTitle;     // before the rewrite
        std::string rewrittenTitle;  // set only for a rewrite that is on
        std::string namePart;
    };
    // The decoded text of one article, kept from one read to the next.
    struct KeptBody {
        std::size_t index = 0;
        int encoding = 0;
        bool valid = false;
        std::string text;
    };

    // Reads titleSource (and dropFirstLine) and leaves the title before the rewrite in the entry;
    // with a body, works it out from that body, which the first-line title may shorten.
    void SourceTitle(Entry& entry, std::size_t index, const std::filesystem::path& path, int encoding,
                     std::string* body, bool keepBody, OptionsSource& options, const text::EventPump& pump);
    // A changed source title drops the rewrite worked out from the old one.
    void Store(Entry& entry, int kind, int encoding, std::string title, int pumps);
    std::string Decode(std::size_t index, const std::filesystem::path& path, int encoding, bool keepBody);
    std::string Rewrite(Entry& entry, OptionsSource& options, pattern::RegexObject& regex);
    int ChoiceId(const RewriteChoice& choice);
    const std::string& NamePart(Entry& entry, const std::filesystem::path& path);
    bool IsLinked(Entry& entry, const std::filesystem::path& path);
    bool InOutputFolder(const std::filesystem::path& path);

    std::filesystem::path outputFolder_;
    std::filesystem::path lastParent_;  // most lists share one folder: test it once
    bool lastParentIsOutput_ = false;

    std::vector<Entry> entries_;
    std::vector<RewriteChoice> choices_;  // the distinct rewrite options met in this run
    KeptBody kept_;
};

}  // namespace tessivane::engine
