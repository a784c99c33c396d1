#pragma once

#include <condition_variable>
#include <deque>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "rules/journal/journal_file.h"

namespace rules {

// Writes a journal on a thread of its own, so that the flush to disk never
// holds up the window: the caller queues, the thread writes and flushes in
// order, taking whatever came meanwhile in one write. A failure is handed
// to `failed` (on the writer's thread) and the writes after it are dropped
// until the next Start, so editing never waits on a broken disk.
class JournalWriter {
  public:
    explicit JournalWriter(std::function<void(const std::string&)> failed = {});
    ~JournalWriter();  // writes what is queued, then stops
    JournalWriter(const JournalWriter&) = delete;
    JournalWriter& operator=(const JournalWriter&) = delete;

    void Start(std::filesystem::path path, std::string bytes);
    void Append(std::string bytes);
    void Remove();
    // Waits until everything queued is on disk (tests, closing).
    void Drain();

  private:
    struct Job {
        enum class Kind { Start, Append, Remove } kind;
        std::filesystem::path path;
        std::string bytes;
    };
    void Queue(Job job);
    void Run();

    std::function<void(const std::string&)> failed_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<Job> jobs_;
    bool busy_ = false;
    bool stopping_ = false;
    JournalFile file_;  // the writer thread's alone
    bool broken_ = false;
    std::thread thread_;
};

}  // namespace rules
