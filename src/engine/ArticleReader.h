// Reads one source file into the title, output file name and body of its page.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "engine/GenerationOptions.h"
#include "text/TextOperations.h"

namespace tessivane::pattern {
class RegexObject;
}

namespace tessivane::engine {

/// One source file as its page needs it; all texts GBK.
struct ArticleInfo {
    std::string title;
    std::string fileName;  // the page's name in the output folder, also its link
    std::string body;
};

/// Reads and decodes the file afresh and reads its options at this call, so an option changed
/// between two calls reaches the second. A file that cannot be read gives an empty body.
ArticleInfo ReadArticle(const std::filesystem::path& path, OptionsSource& options,
                        pattern::RegexObject& regex, const text::EventPump& pump = {});

/// Title source 1: the text of the body's first <title> element (tag case ignored), or the file
/// stem of the name part when there is none or it is empty.
std::string TitleElementOrStem(std::string_view body, const std::string& namePart);

/// The page's file name from the source's name part; reads useExtension, and extension when on.
std::string OutputFileName(std::string namePart, OptionsSource& options);

/// The body for an encoding choice: 1 UTF-8, 2 UTF-16 LE, anything else GBK.
std::string DecodeBody(std::string_view bytes, int encoding);

/// The native file name as a GBK text; a character without a GBK form becomes "?".
std::string FileNamePart(const std::filesystem::path& path);

/// The part after the last path separator of a GBK text, cut before its last ".".
std::string FileStem(std::string_view path);

/// The first line that is not empty, cut to 200 characters; with drop, that line and its CR LF
/// leave the body. The pump runs after each line read.
std::string FirstLineTitle(std::string& body, bool drop, const text::EventPump& pump = {});

/// The first n characters, a GBK double-byte character (or a CR LF pair) counting once.
std::string LeftChars(std::string_view text, long long n);

}  // namespace tessivane::engine
