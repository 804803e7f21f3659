// One run over an article list: a page per article, cross-links, index pages and the report.
#include "engine/RunGeneration.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <optional>
#include <utility>

#include "engine/ArticleCache.h"
#include "engine/ArticleReader.h"
#include "engine/IndexPages.h"
#include "engine/PageWriter.h"
#include "engine/Placeholders.h"
#include "engine/RandomLinks.h"
#include "engine/RunReport.h"
#include "engine/TitleRewrite.h"
#include "platform/Clock.h"
#include "platform/CodePage.h"
#include "platform/Files.h"
#include "text/TextOperations.h"

namespace tessivane::engine {
namespace {

constexpr std::string_view kOutputFolderName =
    "\xC4\xA3\xB0\xE5\xC9\xFA\xB3\xC9\xC4\xBF\xC2\xBC";  // 模板生成目录
constexpr int kDefaultPageSize = 50;
constexpr std::size_t kListedFailures = 20;

// "已处理 " + N + " 个文件，当前：" + title
std::string ProgressTitle(int article, const std::string& title) {
    return "\xD2\xD1\xB4\xA6\xC0\xED " + std::to_string(article) +
           " \xB8\xF6\xCE\xC4\xBC\xFE\xA3\xAC\xB5\xB1\xC7\xB0\xA3\xBA" + title;
}

// Title and link of a previous or next article.
struct Neighbour {
    std::string title;
    std::string link;
};

class Run {
public:
    Run(const ArticleList& articles, RunContext& context)
        : articles_(articles),
          count_(static_cast<int>(articles.size())),
          options_(context.options),
          host_(context.host),
          regex_(context.regex),
          pump_([this] { host_.HandlePendingEvents(); }),
          writer_(context.writePagesInBackground && context.cacheArticles, kListedFailures) {
        if (context.seed) {
            picker_.UseFixedSeed(*context.seed);
        }
        result_.outputFolder = OutputFolderFor(articles, context);
        if (context.cacheArticles) {
            cache_.emplace(articles.size(), result_.outputFolder);
        }
    }

    RunResult Execute() {
        Start();
        for (int article = 1; article <= count_; ++article) {
            if (host_.StopRequested()) {
                result_.stopped = true;
                break;
            }
            ProcessArticle(article);
        }
        End();
        return std::move(result_);
    }

private:
    void Start() {
        platform::CreateFolders(result_.outputFolder);
        startTick_ = platform::TickMilliseconds();
        // Template, draw count, pattern and page size hold for the whole run; edits reach the next run.
        templateText_ = options_.templateText();
        drawsPerArticle_ = CountRandomDraws(templateText_, pump_);
        SetTitlePattern(regex_, options_);
        const int pageSize = ParsePageSize(options_.pageSize());
        index_.emplace(result_.outputFolder, templateText_, count_, pageSize);
        const bool writeIndex = options_.writeIndex();
        index_->Start(writeIndex);
        reservedIndexPages_ = writeIndex ? IndexPageCount(count_, pageSize) : 0;
        indexPages_ = IndexPageCount(count_, pageSize);
    }

    void ProcessArticle(int article) {
        const ArticleInfo current = Read(article, Want::Body);
        pump_();
        const Neighbour previous = ReadNeighbour(article - 1, kNoPreviousTitle, Want::TitleAndLink);
        const Neighbour next = ReadNeighbour(article + 1, kNoNextTitle, Want::TitleAndLinkKeepBody);
        const RandomPicks picks = DrawRandomArticles(
            drawsPerArticle_, count_, picker_, [this](int i) { return Read(i, Want::TitleAndLink); }, pump_);
        pump_();
        // Cut before the random slots hand events over: a cut option changed then waits for the next page.
        const std::string body = CutBody(current.body);
        std::string page = FillOwnAndNeighbourSlots(current, previous, next);
        FillRandomSlots(page, picks, pump_);
        page = text::Substitute(page, kBody, body, -1, true);
        WritePage(current.fileName, std::move(page));
        host_.SetWindowTitle(ProgressTitle(article, current.title));
        host_.ArticleDone(article, count_);
        // Read per article: switching the index off or on during the run takes effect here.
        index_->AddEntry(article, current.fileName, current.title, options_.writeIndex());
        pump_();
    }

    void End() {
        // The report's failure line counts every page.
        CollectWrittenPages();
        host_.SetWindowTitle(std::string(kProductTitle));
        const auto elapsed = static_cast<std::int64_t>(platform::TickMilliseconds() - startTick_);
        const std::string folderText =
            platform::PathToGbk(result_.outputFolder) + std::string(text::PathSeparator());
        const std::string message =
            ReportMessage(FormatElapsed(elapsed), folderText, failedArticlePages_, index_->PagesFailed());
        ShowReport(host_, message, result_.outputFolder, folderText);
        index_->Finish(options_.writeIndex());
        CollectIndexTally();
    }

    // What a read is for: the current page needs the body; the next article's body is kept
    // for the page after, where it becomes the current one.
    enum class Want { Body, TitleAndLink, TitleAndLinkKeepBody };

    // Every read of an article, for its own page, a neighbour or a draw, gives the same link.
    ArticleInfo Read(int article, Want want) {
        const auto index = static_cast<std::size_t>(article) - 1;
        // A source the pages may overwrite is read only once the pages handed over are written.
        if (!cache_ || cache_->MayBeOverwritten(index, articles_[index])) {
            CollectWrittenPages();
        }
        ArticleInfo info = cache_ ? cache_->Read(index, articles_[index], want == Want::Body,
                                                 want == Want::TitleAndLinkKeepBody, options_, regex_, pump_)
                                  : ReadArticle(articles_[index], options_, regex_, pump_);
        info.fileName = AvoidIndexPageName(info.fileName, reservedIndexPages_);
        return info;
    }

    Neighbour ReadNeighbour(int article, std::string_view missingTitle, Want want) {
        if (article < 1 || article > count_) {
            return {std::string(missingTitle), std::string(kNoLink)};
        }
        ArticleInfo info = Read(article, want);
        pump_();
        return {std::move(info.title), std::move(info.fileName)};
    }

    std::string CutBody(const std::string& body) {
        if (!options_.cutBetween()) {
            return body;
        }
        const std::string left = options_.cutLeft();
        const std::string right = options_.cutRight();
        std::string cut = text::ExtractBetween(body, left, right);
        // Asked only when the cut came out empty.
        if (cut.empty() && options_.keepWhenCutEmpty()) {
            return body;
        }
        return cut;
    }

    std::string FillOwnAndNeighbourSlots(const ArticleInfo& current, const Neighbour& previous,
                                         const Neighbour& next) const {
        std::string page = templateText_;
        page = text::Substitute(page, kOwnLink, current.fileName);
        page = text::Substitute(page, kPreviousLink, previous.link);
        page = text::Substitute(page, kNextLink, next.link);
        page = text::Substitute(page, kOwnTitle, current.title);
        page = text::Substitute(page, kPreviousTitle, previous.title);
        return text::Substitute(page, kNextTitle, next.title);
    }

    void WritePage(const std::string& fileName, std::string page) {
        writer_.Write(result_.outputFolder / platform::GbkToPath(fileName), std::move(page), fileName);
        // A page named like an index page may meet the index pages, which are written here and now.
        if (AvoidIndexPageName(fileName, indexPages_) != fileName) {
            CollectWrittenPages();
        }
    }

    void CollectWrittenPages() {
        PageTally tally = writer_.Collect();
        result_.pagesWritten += tally.written;
        failedArticlePages_ += tally.failed;
        for (std::string& name : tally.failedNames) {
            NoteFailure(name);
        }
    }

    void CollectIndexTally() {
        result_.indexPagesWritten = index_->PagesWritten();
        for (const std::string& name : index_->FailedNames()) {
            NoteFailure(name);
        }
        result_.failedPages = failedArticlePages_ + index_->PagesFailed();
    }

    void NoteFailure(const std::string& name) {
        if (result_.failures.size() < kListedFailures) {
            result_.failures.push_back(name);
        }
    }

    const ArticleList& articles_;
    const int count_;
    OptionsSource& options_;
    RunHost& host_;
    pattern::RegexObject& regex_;
    const text::EventPump pump_;
    RunResult result_;
    std::uint64_t startTick_ = 0;
    std::string templateText_;
    int drawsPerArticle_ = 0;
    NoRepeatPicker picker_;
    std::optional<ArticleCache> cache_;
    std::optional<IndexPages> index_;
    int reservedIndexPages_ = 0;
    int failedArticlePages_ = 0;
    int indexPages_ = 0;
    PageWriter writer_;
};

}  // namespace

RunResult RunGeneration(const ArticleList& articles, RunContext& context) {
    if (articles.empty()) {
        return {};
    }
    return Run(articles, context).Execute();
}

std::filesystem::path OutputFolderFor(const ArticleList& articles, const RunContext& context) {
    if (context.outputFolder) {
        return *context.outputFolder;
    }
    const std::filesystem::path name = platform::GbkToPath(kOutputFolderName);
    if (articles.empty() || articles.front().parent_path().empty()) {
        return name;
    }
    return articles.front().parent_path() / name;
}

int ParsePageSize(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    long long value = 0;
    for (; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])); ++at) {
        value = std::min<long long>(value * 10 + (text[at] - '0'), INT_MAX);
    }
    return negative || value < 1 ? kDefaultPageSize : static_cast<int>(value);
}

}  // namespace tessivane::engine
