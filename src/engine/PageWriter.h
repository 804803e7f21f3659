// Article pages written in the order they are handed over, at once or on one writer thread.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tessivane::engine {

/// What became of the pages handed over since the last Collect.
struct PageTally {
    int written = 0;
    int failed = 0;
    std::vector<std::string> failedNames;  // the first failures, in the order handed over
};

/// In the background, a queue of at most kQueuedPages pages feeds one writer thread, so the
/// caller reads and fills the next pages while the kernel creates the previous ones; a full
/// queue makes Write wait. Otherwise Write writes before it returns.
class PageWriter {
public:
    static constexpr std::size_t kQueuedPages = 32;

    /// Keeps the first `namesKept` names of failed pages. Without a thread to be had, the
    /// pages are written at once.
    PageWriter(bool background, std::size_t namesKept);
    /// Writes what is still queued, then ends the thread.
    ~PageWriter();
    PageWriter(const PageWriter&) = delete;
    PageWriter& operator=(const PageWriter&) = delete;

    /// `name` is what a failure is reported as.
    void Write(std::filesystem::path path, std::string page, std::string name);
    /// Waits until every page handed over is on disk (or failed): after it, the folder is what
    /// writing at once would have left.
    PageTally Collect();

private:
    struct Job {
        std::filesystem::path path;
        std::string page;
        std::string name;
    };

    void Record(bool written, std::string& name);
    void WriterLoop();

    std::size_t namesKept_;
    PageTally tally_;
    std::mutex mutex_;
    std::condition_variable jobQueued_;
    std::condition_variable jobDone_;
    std::deque<Job> queue_;
    std::size_t pending_ = 0;  // queued or being written
    bool stopping_ = false;
    std::thread writer_;  // not joinable when pages are written at once
};

}  // namespace tessivane::engine
