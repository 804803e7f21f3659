// Hostile sources, names, output folders and settings, end to end through the command line.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliRun.h"
#include "fakes/GbkLiterals.h"
#include "platform/CodePage.h"
#include "platform/Files.h"

namespace tessivane::cli {
namespace {
namespace fs = std::filesystem;

using tessivane::testing::G;

// The settings every run starts from: template 1, first-line titles, no index pages. The first of
// two lines with the same key counts, so overrides go before these.
const std::string kSectionLine = "[基本配置]\r\n";
const std::string kBaseKeys =
    "模板序号=0\r\n标题来源=2\r\n去掉首行=假\r\n截取中间内容=假\r\n生成文件的扩展名：=假\r\n"
    "生成文章系统首页：=假\r\n分页=2\r\n目录过滤=*.txt\r\n文件编码=0\r\n替换标题=假\r\n";

// The settings file's bytes with these keys (UTF-8 lines) in front of the base ones.
std::string SettingsWith(const std::string& overrides) {
    return G(kSectionLine + overrides + kBaseKeys);
}
const std::string kTemplate1 = "<#本篇标题#>#导入的文件内容#";
const std::string kTemplate2 = "#上一篇标题#|#下一篇标题#|#导入的文件内容#";

struct Outcome {
    int exitCode;
    std::string out;
    std::string err;
};

std::uint64_t Fnv1a(const fs::path& file) {
    std::uint64_t hash = 14695981039346656037ull;
    std::ifstream in(file, std::ios::binary);
    std::vector<char> buffer(1 << 20);
    while (in.read(buffer.data(), static_cast<std::streamsize>(buffer.size())) || in.gcount() > 0) {
        for (std::streamsize i = 0; i < in.gcount(); ++i) {
            hash =
                (hash ^ static_cast<unsigned char>(buffer[static_cast<std::size_t>(i)])) * 1099511628211ull;
        }
    }
    return hash;
}

// One entry of a folder tree as it matters for "was anything changed": kind, size, contents, mode.
std::string Describe(const fs::directory_entry& entry) {
    const fs::file_status status = entry.symlink_status();
    std::ostringstream text;
    text << static_cast<int>(status.type()) << ' ' << static_cast<unsigned>(status.permissions());
    if (fs::is_symlink(status)) {
        text << " -> " << fs::read_symlink(entry.path()).string();
    } else if (fs::is_regular_file(status)) {
        text << ' ' << entry.file_size() << ' ' << Fnv1a(entry.path());
    }
    return text.str();
}

// Every entry under root except the output folder's contents (and the folder itself when it is one).
std::map<std::string, std::string> Snapshot(const fs::path& root, const fs::path& output) {
    std::map<std::string, std::string> tree;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
        const fs::path& path = it->path();
        if (path == output && it->is_directory()) {
            it.disable_recursion_pending();
            continue;
        }
        tree[fs::relative(path, root).string()] = Describe(*it);
    }
    return tree;
}

std::vector<std::string> Differences(const std::map<std::string, std::string>& before,
                                     const std::map<std::string, std::string>& after) {
    std::set<std::string> names;
    for (const auto& [name, what] : before)
        names.insert(name);
    for (const auto& [name, what] : after)
        names.insert(name);
    std::vector<std::string> changed;
    for (const std::string& name : names) {
        const auto was = before.find(name);
        const auto is = after.find(name);
        if (was == before.end() || is == after.end() || was->second != is->second) {
            changed.push_back(name);
        }
    }
    return changed;
}

class HostileInputTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("tessivane-hostile-" + std::to_string(::getpid()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_ / "src");
        fs::create_directories(root_ / "config");
        site_ = root_ / "site";
        WriteSettings(SettingsWith(""));
        Write("config/模板1", G(kTemplate1));
        Write("config/模板2", G(kTemplate2));
    }
    void TearDown() override {
        fs::current_path(fs::temp_directory_path());
        std::error_code error;
        fs::permissions(site_, fs::perms::owner_all, fs::perm_options::add, error);
        fs::remove_all(root_);
    }

    void Write(const std::string& name, const std::string& bytes) {
        ASSERT_TRUE(platform::WriteFileBytes(root_ / name, bytes)) << name;
    }
    void WriteSettings(const std::string& gbk) { Write("config/程序配置.ini", gbk); }

    std::string Src(const std::string& name) const { return (root_ / "src" / name).string(); }

    // Runs with the files after "--", and fails the test when anything outside `output` changed.
    Outcome Run(const std::vector<std::string>& options, const std::vector<std::string>& files,
                const fs::path& output, bool endOptions = true) {
        std::vector<std::string> args = {"tessivane-cli", "-q", "--config-dir", (root_ / "config").string()};
        args.insert(args.end(), options.begin(), options.end());
        if (endOptions) {
            args.push_back("--");
        }
        args.insert(args.end(), files.begin(), files.end());
        const auto before = Snapshot(root_, output);
        std::ostringstream out;
        std::ostringstream err;
        const int code = RunCli(args, out, err);
        const auto changed = Differences(before, Snapshot(root_, output));
        EXPECT_TRUE(changed.empty()) << "changed outside the output folder: " << changed.front();
        return {code, out.str(), err.str()};
    }
    Outcome RunToSite(std::vector<std::string> options, const std::vector<std::string>& files) {
        options.insert(options.begin(), {"--output", site_.string()});
        return Run(options, files, site_);
    }

    std::map<std::string, std::string> Pages() const {
        std::map<std::string, std::string> pages;
        for (const auto& entry : fs::directory_iterator(site_)) {
            pages[entry.path().filename().string()] = platform::ReadFileBytes(entry.path());
        }
        return pages;
    }

    fs::path root_;
    fs::path site_;
};

// The report line that counts unwritten pages, in the report's UTF-8.
std::string FailureLine(int articlePages, int indexPages) {
    return "未能写入的页面：文章页 " + std::to_string(articlePages) + " 个，索引页 " +
           std::to_string(indexPages) + " 个";
}

enum class Kind { File, Folder, DanglingLink, LinkToFolder, LinkToFile };

struct SourceCase {
    const char* what;
    std::string name;  // the native name
    Kind kind;
    std::string bytes;    // the file's bytes
    std::string page;     // the page's native name
    std::string content;  // the page, GBK
};

void MakeSource(const fs::path& folder, const SourceCase& source) {
    const fs::path path = folder / source.name;
    switch (source.kind) {
        case Kind::File:
            ASSERT_TRUE(platform::WriteFileBytes(path, source.bytes)) << source.what;
            break;
        case Kind::Folder:
            fs::create_directory(path);
            break;
        case Kind::DanglingLink:
            fs::create_symlink(folder / "nowhere" / "gone.txt", path);
            break;
        case Kind::LinkToFolder:
            fs::create_directory_symlink(folder.parent_path() / "config", path);
            break;
        case Kind::LinkToFile:
            fs::create_symlink(source.bytes, path);
            break;
    }
}

TEST_F(HostileInputTest, EverySourceGetsItsPageWhateverItIsOrIsCalled) {
    const std::string article = G("标题\r\n正文");
    const std::string articlePage = G("<标题>标题\r\n正文");
    const SourceCase cases[] = {
        {"plain article", "plain.txt", Kind::File, article, "plain.txt", articlePage},
        {"length 0", "empty.txt", Kind::File, "", "empty.txt", "<>"},
        {"binary, up to its first zero byte", "binary.png", Kind::File,
         std::string("\x89PNG\r\n\x1a\n\0\0\xff\xfe", 12), "binary.png", "<\x89PNG>\x89PNG\r\n\x1a\n"},
        {"bytes that are no GBK", "nogbk.txt", Kind::File, "\xff\xff\x80z", "nogbk.txt",
         "<\xff\xff\x80z>\xff\xff\x80z"},
        {"folder", "folder.txt", Kind::Folder, "", "folder.txt", "<>"},
        {"dangling link", "dangling.txt", Kind::DanglingLink, "", "dangling.txt", "<>"},
        {"link to a folder", "dirlink.txt", Kind::LinkToFolder, "", "dirlink.txt", "<>"},
        {"link to a file", "filelink.txt", Kind::LinkToFile, "plain.txt", "filelink.txt", articlePage},
        {"blanks", " a  b .txt", Kind::File, article, " a  b .txt", articlePage},
        {"apostrophes", "it's 'quoted'.txt", Kind::File, article, "it's 'quoted'.txt", articlePage},
        {"shell characters", "a\"b$c;d&e|f*g?.txt", Kind::File, article, "a\"b$c;d&e|f*g?.txt", articlePage},
        {"leading dash", "-dash.txt", Kind::File, article, "-dash.txt", articlePage},
        {"an option's name", "--help", Kind::File, article, "--help", articlePage},
        {"backslash", "back\\slash.txt", Kind::File, article, "back\\slash.txt", articlePage},
        {"Chinese", "中文名.txt", Kind::File, article, "中文名.txt", articlePage},
        {"a character outside GBK", "emoji😀.txt", Kind::File, article, "emoji?.txt", articlePage},
        {"a name that is no UTF-8", "bad\xff.txt", Kind::File, article, "bad?.txt", articlePage},
        {"no extension", "noext", Kind::File, article, "noext", articlePage},
        {"only an extension", ".hidden", Kind::File, article, ".hidden", articlePage},
        {"the longest name", std::string(251, 'n') + ".txt", Kind::File, article,
         std::string(251, 'n') + ".txt", articlePage},
    };
    std::vector<std::string> files;
    for (const SourceCase& source : cases) {
        MakeSource(root_ / "src", source);
        files.push_back(Src(source.name));
    }
    const Outcome run = RunToSite({}, files);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.find("未能写入"), std::string::npos) << run.out;
    const auto pages = Pages();
    EXPECT_EQ(pages.size(), std::size(cases));
    for (const SourceCase& source : cases) {
        const auto page = pages.find(source.page);
        ASSERT_NE(page, pages.end()) << source.what;
        EXPECT_EQ(page->second, source.content) << source.what;
    }
}

TEST_F(HostileInputTest, NamesThatLookLikeOptionsAreSourcesAfterTheDoubleDash) {
    for (const char* name : {"-dash.txt", "--help", "-q", "--"}) {
        Write(std::string("src/") + name, G("标题"));
    }
    fs::current_path(root_ / "src");
    const Outcome run = RunToSite({}, {"-dash.txt", "--help", "-q", "--"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const auto pages = Pages();
    EXPECT_EQ(pages.size(), 4u);
    EXPECT_EQ(pages.count("--"), 1u);

    const Outcome withoutDash = Run({"--output", site_.string()}, {"-dash.txt"}, site_, false);
    EXPECT_EQ(withoutDash.exitCode, 2);
}

struct DecodeCase {
    const char* what;
    std::string bytes;
    std::string body;  // GBK
};

TEST_F(HostileInputTest, InvalidTextInEveryEncodingStillGivesItsPage) {
    struct EncodingCases {
        int encoding;
        std::vector<DecodeCase> cases;
    };
    const EncodingCases encodings[] = {
        {1,
         {{"invalid byte",
           "ab\xff"
           "cd",
           "ab?cd"},
          {"sequence cut at the end", "ab\xe4\xb8", "ab?"},
          {"overlong slash",
           "a\xc0\xaf"
           "b",
           "a??b"},
          {"encoded surrogate",
           "a\xed\xa0\x80"
           "b",
           "a???b"},
          {"byte-order mark",
           "\xef\xbb\xbf"
           "ab",
           "?ab"},
          {"zero byte", std::string("ab\0cd", 5), "ab"},
          {"length 0", "", ""}}},
        {2,
         {{"odd byte count", std::string("a\0b", 3), "a"},
          {"one byte", "a", ""},
          {"lone high surrogate",
           std::string("a\0\x00\xd8"
                       "b\0",
                       6),
           "a?b"},
          {"lone low surrogate",
           std::string("a\0\x00\xdc"
                       "b\0",
                       6),
           "a?b"},
          {"surrogate at the end", std::string("a\0\x3d\xd8", 4), "a?"},
          {"big-endian text", std::string("\0a\0b", 4), G("愀戀")},
          {"length 0", "", ""}}},
    };
    for (const EncodingCases& group : encodings) {
        std::vector<std::string> files;
        for (std::size_t i = 0; i < group.cases.size(); ++i) {
            Write("src/" + std::to_string(group.encoding) + "-" + std::to_string(i) + ".txt",
                  group.cases[i].bytes);
            files.push_back(Src(std::to_string(group.encoding) + "-" + std::to_string(i) + ".txt"));
        }
        const Outcome run = RunToSite({"--set", "文件编码=" + std::to_string(group.encoding)}, files);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        const auto pages = Pages();
        for (std::size_t i = 0; i < group.cases.size(); ++i) {
            const DecodeCase& c = group.cases[i];
            const auto page = pages.find(fs::path(files[i]).filename().string());
            ASSERT_NE(page, pages.end()) << c.what;
            const std::string title = c.body.substr(0, c.body.find('\0'));
            EXPECT_EQ(page->second, "<" + title + ">" + c.body) << group.encoding << ": " << c.what;
        }
    }
}

// A 200 MB article: its first line, filler without a zero byte, and a last line to find at its end.
void WriteBigArticle(const fs::path& path, std::size_t size, const std::string& head,
                     const std::string& tail) {
    std::ofstream file(path, std::ios::binary);
    std::string chunk(1 << 20, 'x');
    for (std::size_t at = 63; at < chunk.size(); at += 64) {
        chunk[at] = '\n';
    }
    file << head;
    for (std::size_t done = head.size(); done + tail.size() < size;) {
        const std::size_t part = std::min(chunk.size(), size - tail.size() - done);
        file.write(chunk.data(), static_cast<std::streamsize>(part));
        done += part;
    }
    file << tail;
    ASSERT_TRUE(file.flush()) << path;
}

TEST_F(HostileInputTest, AHugeArticleGetsItsWholePageAndItsNeighboursItsTitle) {
    constexpr std::size_t kSize = std::size_t{200} << 20;
    WriteBigArticle(root_ / "src" / "big.txt", kSize, G("大文件\r\n"), G("结尾"));
    Write("src/a.txt", G("甲篇"));
    Write("src/c.txt", G("丙篇"));
    const Outcome run = RunToSite({"--template", "2"}, {Src("a.txt"), Src("big.txt"), Src("c.txt")});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(platform::ReadFileBytes(site_ / "a.txt"), G("没有上一篇了|大文件|甲篇"));
    EXPECT_EQ(platform::ReadFileBytes(site_ / "c.txt"), G("大文件|没有下一篇了|丙篇"));
    const std::string big = platform::ReadFileBytes(site_ / "big.txt");
    const std::string head = G("甲篇|丙篇|大文件\r\n");
    EXPECT_EQ(big.size(), G("甲篇|丙篇|").size() + kSize);
    EXPECT_EQ(big.substr(0, head.size()), head);
    EXPECT_EQ(big.substr(big.size() - 4), G("结尾"));
    fs::remove(root_ / "src" / "big.txt");
    fs::remove(site_ / "big.txt");
}

struct OutputCase {
    const char* what;
    std::function<void(const fs::path& root)> prepare;
    std::string output;  // below the test's folder
    std::vector<std::string> options;
    std::string middleSource;  // between a.txt and c.txt
    int failedArticlePages;
    int failedIndexPages;
    std::vector<std::string> written;  // pages that must be there
};

std::function<void(const fs::path&)> FileAt(const std::string& name) {
    return [name](const fs::path& root) { ASSERT_TRUE(platform::WriteFileBytes(root / name, "in the way")); };
}

std::function<void(const fs::path&)> FolderAt(const std::string& name) {
    return [name](const fs::path& root) { fs::create_directories(root / name / "sub"); };
}

TEST_F(HostileInputTest, PagesThatCannotBeWrittenAreReportedAndTheOthersWritten) {
    const std::string longName = std::string(250, 'L') + ".txt";
    const OutputCase cases[] = {
        {"output folder is a file", FileAt("site"), "site", {}, "b.txt", 3, 0, {}},
        {"output folder below a file", FileAt("blocker"), "blocker/site", {}, "b.txt", 3, 0, {}},
        {"a folder where a page should be",
         FolderAt("site/b.txt"),
         "site",
         {},
         "b.txt",
         1,
         0,
         {"a.txt", "c.txt"}},
        {"a folder where the index page should be",
         FolderAt("site/index.htm"),
         "site",
         {"--set", "生成文章系统首页：=真"},
         "b.txt",
         0,
         1,
         {"a.txt", "b.txt", "c.txt", "index_2.htm"}},
        {"a page name too long",
         [](const fs::path&) {},
         "site",
         {"--set", "生成文件的扩展名：=真", "--set", "扩展名=html5"},
         longName,
         1,
         0,
         {"a.html5", "c.html5"}},
    };
    Write("src/a.txt", G("甲"));
    Write("src/b.txt", G("乙"));
    Write("src/c.txt", G("丙"));
    Write("src/" + longName, G("长"));
    for (const OutputCase& c : cases) {
        fs::remove_all(root_ / "site");
        fs::remove_all(root_ / "blocker");
        c.prepare(root_);
        const fs::path output = root_ / c.output;
        std::vector<std::string> options = c.options;
        options.insert(options.begin(), {"--output", output.string()});
        const Outcome run = Run(options, {Src("a.txt"), Src(c.middleSource), Src("c.txt")}, output);
        EXPECT_EQ(run.exitCode, 1) << c.what;
        const int failed = c.failedArticlePages + c.failedIndexPages;
        EXPECT_NE(run.err.find(std::to_string(failed) + " page(s) could not be written"), std::string::npos)
            << c.what << "\n"
            << run.err;
        EXPECT_NE(run.out.find(FailureLine(c.failedArticlePages, c.failedIndexPages)), std::string::npos)
            << c.what << "\n"
            << run.out;
        for (const std::string& page : c.written) {
            EXPECT_TRUE(fs::is_regular_file(output / page)) << c.what << ": " << page;
        }
    }
}

TEST_F(HostileInputTest, AnOutputFolderWithoutWriteAccessFailsEveryPage) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "the superuser writes into any folder";
    }
    Write("src/a.txt", G("甲"));
    fs::create_directories(site_);
    fs::permissions(site_, fs::perms::owner_read | fs::perms::owner_exec);
    const Outcome run = RunToSite({}, {Src("a.txt")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.out.find(FailureLine(1, 0)), std::string::npos) << run.out;
}

struct SettingsCase {
    const char* what;
    std::string settings;  // the whole file, GBK
    std::vector<std::string> options;
    int exitCode;
    std::size_t pages;
    std::string firstPage = "<\xBC\xD7>\xBC\xD7";  // <甲>甲
};

std::string Garbage() {
    std::string lines = "no equals sign here\r\n=value without a key\r\n[unclosed section\r\n";
    lines += std::string("binary\x01\x02\xff\xfe\x80=\x81\r\n") + std::string("nul\0inside=1\r\n", 14);
    lines += "\r\r\r\n   \t \r\n;" + std::string(5000, '=') + "\r\n" + std::string(70000, 'k') + "=v\r\n";
    return lines;
}

TEST_F(HostileInputTest, GarbageAndHugeSettingsStillGiveARun) {
    const std::string megabyte(1 << 20, '9');
    const SettingsCase cases[] = {
        {"garbage lines", SettingsWith("") + Garbage(), {}, 0, 3},
        {"garbage before the section", Garbage() + SettingsWith(""), {}, 0, 3},
        {"a 1 MB line without a line break", SettingsWith("") + megabyte, {}, 0, 3},
        {"1 MB page size", SettingsWith("生成文章系统首页：=真\r\n分页=" + megabyte + "\r\n"), {}, 0, 4},
        {"1 MB pattern that does not compile: titles become empty",
         SettingsWith("替换标题=真\r\n使用正则=真\r\n匹配式=" + std::string(1 << 20, '(') + "\r\n"),
         {},
         0,
         3,
         G("<>甲")},
        {"1 MB plain match text",
         SettingsWith("替换标题=真\r\n使用正则=假\r\n匹配式=" + megabyte + "\r\n"),
         {},
         0,
         3},
        {"1 MB unknown key", SettingsWith("x=" + megabyte + "\r\n"), {}, 0, 3},
        {"1 MB folder filter", SettingsWith("目录过滤=" + std::string(1 << 20, '*') + "\r\n"), {}, 0, 3},
        {"1 MB value on the command line", SettingsWith(""), {"--set", "替换式=" + megabyte}, 0, 3},
        {"1 MB extension: every page name too long",
         SettingsWith("生成文件的扩展名：=真\r\n扩展名=" + megabyte + "\r\n"),
         {},
         1,
         0},
    };
    Write("src/a.txt", G("甲"));
    Write("src/b.txt", G("乙"));
    Write("src/c.txt", G("丙"));
    for (const SettingsCase& c : cases) {
        fs::remove_all(site_);
        WriteSettings(c.settings);
        const Outcome run = RunToSite(c.options, {Src("a.txt"), Src("b.txt"), Src("c.txt")});
        EXPECT_EQ(run.exitCode, c.exitCode) << c.what << "\n" << run.err;
        EXPECT_EQ(fs::is_directory(site_) ? Pages().size() : 0u, c.pages) << c.what;
        if (c.exitCode == 0) {
            EXPECT_EQ(platform::ReadFileBytes(site_ / "a.txt"), c.firstPage) << c.what;
        } else {
            EXPECT_NE(run.out.find(FailureLine(3, 0)), std::string::npos) << c.what << "\n" << run.out;
        }
    }
}
TEST_F(HostileInputTest, AnOutputFolderThatHoldsASourceIsRefusedAndNothingWritten) {
    Write("src/a.txt", G("甲"));
    Write("src/b.txt", G("乙"));
    fs::create_directories(root_ / "src" / "模板生成目录");
    Write("src/模板生成目录/old.txt", G("旧"));
    const fs::path nothingExcluded = root_ / "no-such-folder";
    const struct {
        const char* what;
        std::vector<std::string> options;
        std::vector<std::string> files;
    } cases[] = {
        {"the sources' own folder", {"--output", (root_ / "src").string()}, {Src("a.txt"), Src("b.txt")}},
        {"the same folder spelt otherwise",
         {"--output", (root_ / "src" / ".." / "src" / ".").string()},
         {Src("a.txt"), Src("b.txt")}},
        {"the folder of a later source",
         {"--output", (root_ / "src").string()},
         {Src("模板生成目录/old.txt"), Src("a.txt")}},
        {"beside the first source, where a later one lies", {}, {Src("a.txt"), Src("模板生成目录/old.txt")}},
        {"--folder over the output folder",
         {"--output", (root_ / "src").string(), "--folder", (root_ / "src").string()},
         {}},
    };
    for (const auto& c : cases) {
        const Outcome run = Run(c.options, c.files, nothingExcluded, !c.files.empty());
        EXPECT_EQ(run.exitCode, 2) << c.what;
        EXPECT_NE(run.err.find("output folder holds source files"), std::string::npos) << c.what << "\n"
                                                                                       << run.err;
    }
}

// Links left in the output folder are replaced by pages, never followed out of it.
TEST_F(HostileInputTest, LinksInTheOutputFolderAreReplacedNotFollowed) {
    Write("src/a.txt", G("甲"));
    Write("src/b.txt", G("乙"));
    Write("outside.txt", "keep");
    fs::create_directories(site_);
    fs::create_symlink(root_ / "outside.txt", site_ / "a.txt");
    fs::create_symlink(root_ / "created-outside.txt", site_ / "b.txt");
    const Outcome run = RunToSite({}, {Src("a.txt"), Src("b.txt")});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(platform::ReadFileBytes(root_ / "outside.txt"), "keep");
    EXPECT_FALSE(fs::exists(root_ / "created-outside.txt"));
}

}  // namespace
}  // namespace tessivane::cli
