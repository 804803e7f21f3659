// An options source for tests that notes the name of every option the run reads, in order.
#pragma once

#include <string>
#include <vector>

#include "engine/GenerationOptions.h"

namespace tessivane::fakes {

class RecordingOptions final : public engine::OptionsSource {
public:
    explicit RecordingOptions(const engine::GenerationOptions& options) : o_(options) {}

    std::string templateText() override { return Note("templateText", o_.templateText); }
    int titleSource() override { return Note("titleSource", o_.titleSource); }
    bool dropFirstLine() override { return Note("dropFirstLine", o_.dropFirstLine); }
    bool cutBetween() override { return Note("cutBetween", o_.cutBetween); }
    std::string cutLeft() override { return Note("cutLeft", o_.cutLeft); }
    std::string cutRight() override { return Note("cutRight", o_.cutRight); }
    bool keepWhenCutEmpty() override { return Note("keepWhenCutEmpty", o_.keepWhenCutEmpty); }
    bool useExtension() override { return Note("useExtension", o_.useExtension); }
    std::string extension() override { return Note("extension", o_.extension); }
    bool writeIndex() override { return Note("writeIndex", o_.writeIndex); }
    std::string pageSize() override { return Note("pageSize", o_.pageSize); }
    int encoding() override { return Note("encoding", o_.encoding); }
    bool rewriteTitle() override { return Note("rewriteTitle", o_.rewriteTitle); }
    bool useRegex() override { return Note("useRegex", o_.useRegex); }
    std::string matchText() override { return Note("matchText", o_.matchText); }
    std::string replaceText() override { return Note("replaceText", o_.replaceText); }

    std::vector<std::string> reads;

private:
    template <typename T>
    T Note(const char* name, const T& value) {
        reads.emplace_back(name);
        return value;
    }

    const engine::GenerationOptions& o_;
};

}  // namespace tessivane::fakes
