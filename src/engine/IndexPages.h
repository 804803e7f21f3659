// The paginated index pages: their names, head, entries, page bar and roll-over.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/Files.h"
#include "text/TextPrimitives.h"

namespace tessivane::engine {

/// "index.htm" for page 1, "index_<k>.htm" from page 2.
std::string IndexPageName(int page);

/// The number of index pages a run of count articles writes: at least 1.
int IndexPageCount(int count, int pageSize);

/// An article name equal (ASCII case ignored) to one of the first `indexPages` index page names
/// gets "_1" before its extension, so the article page and the index page both survive and every
/// link to the article uses the new name. Such a name never equals an index page name.
std::string AvoidIndexPageName(const std::string& fileName, int indexPages);

/// Links to every page ("." for page 1), wrapped in "<hr><div>"; empty for a single page.
std::string PageBar(int pages);

/// An article's list entry with every pair of apostrophes folded into a double quote.
std::string IndexEntry(std::string_view fileName, std::string_view title);

/// The head of index page `page`, its title made from the template's <title> element.
std::string IndexPageHead(std::string_view templateText, int page);

/// The index pages of one run, written while the run goes: Start before the first article,
/// AddEntry after each article page, Finish at the end. Each step is told whether the index is
/// wanted at that moment.
class IndexPages {
public:
    IndexPages(std::filesystem::path folder, std::string templateText, int count, int pageSize);

    void Start(bool writeIndex);
    void AddEntry(int article, std::string_view fileName, std::string_view title, bool writeIndex);
    void Finish(bool writeIndex);

    int PagesWritten() const { return pagesWritten_; }
    int PagesFailed() const { return static_cast<int>(failedNames_.size()); }
    /// GBK names of the index pages that could not be written, in order.
    const text::TextList& FailedNames() const { return failedNames_; }

private:
    void OpenPage();
    void ClosePage(bool withFoot);

    std::filesystem::path folder_;
    std::string templateText_;
    int count_;
    int pageSize_;
    std::string pageBar_;
    int pageNumber_ = 1;
    int entriesOnPage_ = 0;
    platform::AppendFile file_;
    bool pageFailed_ = false;
    int pagesWritten_ = 0;
    text::TextList failedNames_;
};

}  // namespace tessivane::engine
