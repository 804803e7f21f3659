// A run host for tests: records what the run shows and answers the report from a queue.
#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "engine/RunHost.h"

namespace tessivane::fakes {

class ScriptedHost : public engine::RunHost {
public:
    void HandlePendingEvents() override {
        ++events;
        if (onEveryEvent) {
            onEveryEvent();
        }
        const auto action = atEvent.find(events);
        if (action != atEvent.end()) {
            action->second();
        }
    }
    void SetWindowTitle(const std::string& title) override { titles.push_back(title); }
    void ArticleDone(int done, int count) override {
        articlesDone.emplace_back(done, count);
        eventsAtArticleDone.push_back(events);
    }
    engine::ReportAnswer AskReport(const std::string& message) override {
        reports.push_back(message);
        if (answers.empty()) {
            return engine::ReportAnswer::Cancel;
        }
        const engine::ReportAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void OpenFolder(const std::filesystem::path& folder) override { openedFolders.push_back(folder); }
    void CopyToClipboard(const std::string& text) override { clipboard.push_back(text); }
    bool StopRequested() override { return stopRequested; }

    int events = 0;                                // HandlePendingEvents calls so far
    std::map<int, std::function<void()>> atEvent;  // run at the k-th call (from 1)
    std::function<void()> onEveryEvent;            // run at every call, before atEvent
    std::vector<std::string> titles;
    std::vector<std::pair<int, int>> articlesDone;
    std::vector<int> eventsAtArticleDone;  // `events` when each article was reported done
    std::vector<std::string> reports;
    std::deque<engine::ReportAnswer> answers;  // Cancel once empty
    std::vector<std::filesystem::path> openedFolders;
    std::vector<std::string> clipboard;
    bool stopRequested = false;
};

}  // namespace tessivane::fakes
