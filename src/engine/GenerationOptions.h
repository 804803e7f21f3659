// The options of a run and the source the engine reads them from, each at its own moment.
#pragma once

#include <string>

namespace tessivane::engine {

/// Every option of a run, at the values the window has before saved settings are applied.
struct GenerationOptions {
    std::string templateText;  // the current tab's template
    int titleSource = 1;       // 0 file name, 1 <title> element, 2 first line; -1 none selected
    bool dropFirstLine = true;
    bool cutBetween = true;
    std::string cutLeft = "<body>";
    std::string cutRight = "</body>";
    bool keepWhenCutEmpty = true;
    bool useExtension = false;
    std::string extension = "htm";
    bool writeIndex = false;
    std::string pageSize = "50";  // the box's text; the run reads it as a whole number
    int encoding = 0;             // 0 GBK, 1 UTF-8, 2 UTF-16 LE; -1 none selected
    bool rewriteTitle = false;
    bool useRegex = true;
    std::string matchText = "(.+)[_-].*";
    std::string replaceText = "$1";
    std::string folderFilter = "*.txt";  // used by the folder import, never by the run
};

/// Where the run takes its options from. The window reads its controls at each call, so an
/// option changed while a run hands over events reaches the next read.
class OptionsSource {
public:
    virtual ~OptionsSource() = default;
    virtual std::string templateText() = 0;
    virtual int titleSource() = 0;
    virtual bool dropFirstLine() = 0;
    virtual bool cutBetween() = 0;
    virtual std::string cutLeft() = 0;
    virtual std::string cutRight() = 0;
    virtual bool keepWhenCutEmpty() = 0;
    virtual bool useExtension() = 0;
    virtual std::string extension() = 0;
    virtual bool writeIndex() = 0;
    virtual std::string pageSize() = 0;
    virtual int encoding() = 0;
    virtual bool rewriteTitle() = 0;
    virtual bool useRegex() = 0;
    virtual std::string matchText() = 0;
    virtual std::string replaceText() = 0;
};

/// Options held in a plain struct, for the command line and the tests. It reads the struct
/// it was given at every call, so a test can change a field between two reads.
class FixedOptions final : public OptionsSource {
public:
    explicit FixedOptions(const GenerationOptions& options) : o_(options) {}
    std::string templateText() override { return o_.templateText; }
    int titleSource() override { return o_.titleSource; }
    bool dropFirstLine() override { return o_.dropFirstLine; }
    bool cutBetween() override { return o_.cutBetween; }
    std::string cutLeft() override { return o_.cutLeft; }
    std::string cutRight() override { return o_.cutRight; }
    bool keepWhenCutEmpty() override { return o_.keepWhenCutEmpty; }
    bool useExtension() override { return o_.useExtension; }
    std::string extension() override { return o_.extension; }
    bool writeIndex() override { return o_.writeIndex; }
    std::string pageSize() override { return o_.pageSize; }
    int encoding() override { return o_.encoding; }
    bool rewriteTitle() override { return o_.rewriteTitle; }
    bool useRegex() override { return o_.useRegex; }
    std::string matchText() override { return o_.matchText; }
    std::string replaceText() override { return o_.replaceText; }

private:
    const GenerationOptions& o_;
};

}  // namespace tessivane::engine
