// A run over source files in a temporary folder, with fixed options and a scripted host.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "EngineTestSupport.h"
#include "engine/RunGeneration.h"
#include "fakes/ScriptedHost.h"
#include "pattern/RegexObject.h"

namespace tessivane::engine::testing {

class RunFixture : public ::testing::Test {
protected:
    void SetUp() override {
        regex_.CreateComponent();
        options_.titleSource = 0;
        options_.cutBetween = false;
    }

    std::filesystem::path Source(std::string_view name, std::string_view bytes = "") {
        return temp_.Write(name, bytes);
    }
    /// Sources named "<stem><i>.txt" for i from 1, with empty bodies.
    ArticleList Sources(int count, const std::string& stem = "a") {
        ArticleList list;
        for (int i = 1; i <= count; ++i) {
            list.push_back(Source(stem + std::to_string(i) + ".txt"));
        }
        return list;
    }

    RunResult Run(const ArticleList& list, std::optional<std::uint64_t> seed = 1,
                  std::optional<std::filesystem::path> outputFolder = std::nullopt) {
        FixedOptions fixed(options_);
        return Run(list, fixed, seed, std::move(outputFolder));
    }
    RunResult Run(const ArticleList& list, OptionsSource& options, std::optional<std::uint64_t> seed = 1,
                  std::optional<std::filesystem::path> outputFolder = std::nullopt) {
        RunContext context{options, host_, regex_, seed, std::move(outputFolder)};
        return RunGeneration(list, context);
    }

    std::filesystem::path Out() const { return temp_.path() / "模板生成目录"; }
    /// A written page by its UTF-8 name.
    std::string Page(std::string_view name) const { return ReadBytes(Out() / std::string(name)); }
    bool PageExists(std::string_view name) const {
        return std::filesystem::exists(Out() / std::string(name));
    }

    GenerationOptions options_;
    fakes::ScriptedHost host_;
    pattern::RegexObject regex_;
    TempFolder temp_;
};

}  // namespace tessivane::engine::testing
