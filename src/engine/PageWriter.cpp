// Article pages written in the order they are handed over, at once or on one writer thread.
#include "engine/PageWriter.h"

#include <system_error>
#include <utility>

#include "platform/Files.h"

namespace tessivane::engine {

PageWriter::PageWriter(bool background, std::size_t namesKept) : namesKept_(namesKept) {
    if (!background) {
        return;
    }
    try {
        writer_ = std::thread([this] { WriterLoop(); });
    } catch (const std::system_error&) {
        // No thread: the pages are written at once, which gives the same site.
    }
}

PageWriter::~PageWriter() {
    if (!writer_.joinable()) {
        return;
    }
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    jobQueued_.notify_one();
    writer_.join();
}

void PageWriter::Write(std::filesystem::path path, std::string page, std::string name) {
    if (!writer_.joinable()) {
        Record(platform::WriteFileBytes(path, page), name);
        return;
    }
    {
        std::unique_lock<std::mutex> lock(mutex_);
        jobDone_.wait(lock, [this] { return queue_.size() < kQueuedPages; });
        queue_.push_back({std::move(path), std::move(page), std::move(name)});
        ++pending_;
    }
    jobQueued_.notify_one();
}

PageTally PageWriter::Collect() {
    std::unique_lock<std::mutex> lock(mutex_);
    jobDone_.wait(lock, [this] { return pending_ == 0; });
    return std::exchange(tally_, PageTally{});
}

// Called with the mutex held, or without a writer thread.
void PageWriter::Record(bool written, std::string& name) {
    if (written) {
        ++tally_.written;
        return;
    }
    ++tally_.failed;
    if (tally_.failedNames.size() < namesKept_) {
        tally_.failedNames.push_back(std::move(name));
    }
}

void PageWriter::WriterLoop() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        // Stopping waits for the queue to empty: every page handed over is written.
        jobQueued_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
        if (queue_.empty()) {
            return;
        }
        Job job = std::move(queue_.front());
        queue_.pop_front();
        lock.unlock();
        jobDone_.notify_one();
        const bool written = platform::WriteFileBytes(job.path, job.page);
        lock.lock();
        Record(written, job.name);
        --pending_;
        if (pending_ == 0) {
            jobDone_.notify_one();
        }
    }
}

}  // namespace tessivane::engine
