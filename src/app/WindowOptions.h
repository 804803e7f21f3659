// The run's options read straight from the window's controls, at every call.
#pragma once

#include "app/OptionControls.h"
#include "app/TemplateTabs.h"
#include "engine/GenerationOptions.h"

namespace tessivane::app {

/// Holds no copy: an option changed while the run hands events over reaches its next read.
class WindowOptions final : public engine::OptionsSource {
public:
    WindowOptions(const TemplateTabs& templates, const OptionControls& controls)
        : templates_(templates), c_(controls) {}

    std::string templateText() override;
    int titleSource() override;
    bool dropFirstLine() override;
    bool cutBetween() override;
    std::string cutLeft() override;
    std::string cutRight() override;
    bool keepWhenCutEmpty() override;
    bool useExtension() override;
    std::string extension() override;
    bool writeIndex() override;
    std::string pageSize() override;
    int encoding() override;
    bool rewriteTitle() override;
    bool useRegex() override;
    std::string matchText() override;
    std::string replaceText() override;

private:
    const TemplateTabs& templates_;
    const OptionControls& c_;
};

}  // namespace tessivane::app
