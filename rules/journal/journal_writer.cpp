#include "rules/journal/journal_writer.h"

#include <utility>

namespace rules {

JournalWriter::JournalWriter(std::function<void(const std::string&)> failed)
    : failed_(std::move(failed)), thread_([this] { Run(); }) {}

JournalWriter::~JournalWriter() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void JournalWriter::Start(std::filesystem::path path, std::string bytes) {
    Queue({Job::Kind::Start, std::move(path), std::move(bytes)});
}

void JournalWriter::Append(std::string bytes) { Queue({Job::Kind::Append, {}, std::move(bytes)}); }

void JournalWriter::Remove() { Queue({Job::Kind::Remove, {}, {}}); }

void JournalWriter::Queue(Job job) {
    {
        std::lock_guard lock(mutex_);
        jobs_.push_back(std::move(job));
    }
    wake_.notify_one();
}

void JournalWriter::Drain() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return jobs_.empty() && !busy_; });
}

void JournalWriter::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
        if (jobs_.empty()) {
            if (stopping_) return;
            continue;
        }
        Job job = std::move(jobs_.front());
        jobs_.pop_front();
        // Appends queued meanwhile go out in the same write and flush.
        while (job.kind == Job::Kind::Append && !jobs_.empty() &&
               jobs_.front().kind == Job::Kind::Append) {
            job.bytes += jobs_.front().bytes;
            jobs_.pop_front();
        }
        busy_ = true;
        lock.unlock();
        Status status = Status::Ok();
        switch (job.kind) {
            case Job::Kind::Start:
                broken_ = false;
                status = file_.Start(job.path, job.bytes);
                break;
            case Job::Kind::Append:
                if (!broken_) status = file_.Append(job.bytes);
                break;
            case Job::Kind::Remove: status = file_.Remove(); break;
        }
        if (!status && !broken_) {
            broken_ = true;
            if (failed_) failed_(status.message);
        }
        lock.lock();
        busy_ = false;
        if (jobs_.empty()) idle_.notify_all();
    }
}

}  // namespace rules
