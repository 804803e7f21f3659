// Reads one source file into the title, output file name and body of its page.
#include "engine/ArticleReader.h"

#include "engine/TitleRewrite.h"
#include "platform/CodePage.h"
#include "platform/Files.h"
#include "platform/TextDecoders.h"
#include "text/TextPrimitives.h"

namespace tessivane::engine {
namespace {

constexpr long long kTitleChars = 200;
constexpr char kCtrlZ = 26;

std::string TitleFromSource(const std::filesystem::path& path, std::string& body, OptionsSource& options,
                            const text::EventPump& pump) {
    const int titleSource = options.titleSource();
    if (titleSource == 0) {
        return FileStem(FileNamePart(path));
    }
    if (titleSource == 1) {
        return TitleElementOrStem(body, FileNamePart(path));
    }
    return FirstLineTitle(body, options.dropFirstLine(), pump);
}

bool EndsLine(char byte) {
    return byte == '\n' || byte == '\0' || byte == kCtrlZ;
}

}  // namespace

ArticleInfo ReadArticle(const std::filesystem::path& path, OptionsSource& options,
                        pattern::RegexObject& regex, const text::EventPump& pump) {
    ArticleInfo info;
    const int encoding = options.encoding();
    info.body = DecodeBody(platform::ReadFileBytes(path), encoding);
    std::string title = TitleFromSource(path, info.body, options, pump);
    info.fileName = OutputFileName(FileNamePart(path), options);
    info.title = RewriteTitle(std::move(title), options, regex);
    return info;
}

std::string TitleElementOrStem(std::string_view body, const std::string& namePart) {
    std::string title = text::ExtractBetween(body, "<title>", "</title>");
    return title.empty() ? FileStem(namePart) : title;
}

std::string OutputFileName(std::string namePart, OptionsSource& options) {
    if (options.useExtension()) {
        return FileStem(namePart) + "." + options.extension();
    }
    return namePart;
}

std::string DecodeBody(std::string_view bytes, int encoding) {
    switch (encoding) {
        case 1:
            return platform::Utf8ToText(bytes);
        case 2:
            return platform::Utf16ToText(bytes);
        default:
            return platform::BytesToText(bytes);
    }
}

std::string FileNamePart(const std::filesystem::path& path) {
    return platform::PathToGbk(path.filename());
}

std::string FileStem(std::string_view path) {
    const text::Pos separator = text::FindBackward(path, text::PathSeparator());
    const std::string_view name =
        separator < 0 ? path
                      : path.substr(static_cast<std::size_t>(separator) - 1 + text::PathSeparator().size());
    const text::Pos dot = text::FindBackward(name, ".");
    return dot < 0 ? std::string(name) : std::string(name.substr(0, static_cast<std::size_t>(dot) - 1));
}

std::string FirstLineTitle(std::string& body, bool drop, const text::EventPump& pump) {
    std::string title;
    std::size_t start = 0;
    while (start < body.size()) {
        std::size_t end = start;
        while (end < body.size() && !EndsLine(body[end])) {
            ++end;
        }
        std::size_t lineEnd = end;
        if (end < body.size() && body[end] == '\n' && lineEnd > start && body[lineEnd - 1] == '\r') {
            --lineEnd;
        }
        title = body.substr(start, lineEnd - start);
        start = end + 1;
        if (pump) {
            pump();
        }
        if (!title.empty()) {
            break;
        }
    }
    title = LeftChars(title, kTitleChars);
    if (drop) {
        body = text::Substitute(body, title + "\r\n", {}, 1, true);
    }
    return title;
}

std::string LeftChars(std::string_view text, long long n) {
    if (n <= 0) {
        return {};
    }
    long long count = 0;
    bool halfPair = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte > 0x7F || byte == '\r' || byte == '\n') {
            halfPair = !halfPair;
            count += halfPair ? 0 : 1;
        } else {
            ++count;
        }
        if (count >= n) {
            return std::string(text.substr(0, i + 1));
        }
    }
    return std::string(text);
}

}  // namespace tessivane::engine
