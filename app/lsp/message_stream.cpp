#include "app/lsp/message_stream.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ostream>

#include "rules/document/text_routines.h"

namespace lsp {

namespace {

constexpr std::size_t kLongestLine = 64 * 1024;
constexpr std::string_view kContentLength = "content-length";

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

// "Name: value", the name a token of letters, digits and "-".
bool LooksLikeHeader(std::string_view line) {
    const std::size_t colon = line.find(':');
    if (colon == 0 || colon == std::string_view::npos) return false;
    return std::all_of(line.begin(), line.begin() + static_cast<std::ptrdiff_t>(colon), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '-';
    });
}

std::optional<std::size_t> ParseLength(std::string_view value) {
    value = Trim(value);
    if (value.empty() || value.size() > 12) return std::nullopt;
    std::size_t length = 0;
    for (const char c : value) {
        if (c < '0' || c > '9') return std::nullopt;
        length = length * 10 + static_cast<std::size_t>(c - '0');
    }
    if (length > MessageReader::kLargestBody) return std::nullopt;
    return length;
}

Frame Problem(std::string text) { return {Frame::Kind::Problem, std::move(text)}; }

}  // namespace

std::size_t FileSource::Read(char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t got = ::read(fd_, buffer, size);
        if (got >= 0) return static_cast<std::size_t>(got);
        if (errno != EINTR) return 0;
    }
}

bool FileSource::Ready(int milliseconds) {
    pollfd entry{fd_, POLLIN, 0};
    for (;;) {
        const int ready = ::poll(&entry, 1, milliseconds);
        if (ready >= 0) return ready > 0;
        if (errno != EINTR) return true;  // let the read find out
    }
}

std::size_t TextSource::Read(char* buffer, std::size_t size) {
    while (burst_ < bursts_.size() && at_ == bursts_[burst_].size() &&
           burst_ + 1 < bursts_.size()) {
        ++burst_;
        at_ = 0;
        quiet_ = false;
    }
    if (burst_ >= bursts_.size()) return 0;
    const std::string& text = bursts_[burst_];
    const std::size_t n = std::min({size, piece_, text.size() - at_});
    std::memcpy(buffer, text.data() + at_, n);
    at_ += n;
    return n;
}

bool TextSource::Ready(int) {
    const bool burstDone = burst_ < bursts_.size() && at_ == bursts_[burst_].size();
    if (burstDone && burst_ + 1 < bursts_.size() && !quiet_) {
        quiet_ = true;
        return false;
    }
    return true;
}

std::size_t FindContentLength(std::string_view text) {
    const std::string_view wanted = "content-length:";
    if (text.size() < wanted.size()) return std::string_view::npos;
    for (std::size_t i = 0; i + wanted.size() <= text.size(); ++i)
        if (rules::SameAsciiIgnoringCase(text.substr(i, wanted.size()), wanted)) return i;
    return std::string_view::npos;
}

bool MessageReader::Fill() {
    if (at_ > 0 && at_ >= buffer_.size() / 2) {
        buffer_.erase(0, at_);
        at_ = 0;
    }
    char chunk[65536];
    const std::size_t got = source_.Read(chunk, sizeof chunk);
    buffer_.append(chunk, got);
    return got > 0;
}

bool MessageReader::InputWaiting(int milliseconds) {
    return Buffered() > 0 || source_.Ready(milliseconds);
}

void MessageReader::Unread(std::string_view bytes) {
    buffer_.erase(0, at_);
    at_ = 0;
    buffer_.insert(0, bytes);
}

std::optional<std::string> MessageReader::TakeLine() {
    for (;;) {
        const std::size_t end = buffer_.find('\n', at_);
        if (end != std::string::npos) {
            std::string line = buffer_.substr(at_, end - at_);
            at_ = end + 1;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            return line;
        }
        // A very long run without a line break is no header; hand it out so
        // that it is skipped rather than kept.
        if (Buffered() >= kLongestLine || !Fill()) {
            if (Buffered() == 0) return std::nullopt;
            std::string rest = buffer_.substr(at_, std::min(Buffered(), kLongestLine));
            at_ += rest.size();
            return rest;
        }
    }
}

Frame MessageReader::Next() {
    // Skip blank lines and anything that is no header, up to a header line
    // (or the "Content-Length:" inside a line of rubbish).
    std::size_t skipped = 0;
    std::optional<std::string> line;
    for (;;) {
        line = TakeLine();
        if (!line) {
            if (skipped > 0)
                return Problem("skipped " + std::to_string(skipped) + " bytes that are no message");
            return {};
        }
        if (Trim(*line).empty()) continue;
        if (LooksLikeHeader(*line)) break;
        if (const std::size_t at = FindContentLength(*line); at != std::string::npos) {
            skipped += at;
            line = line->substr(at);
            break;
        }
        skipped += line->size() + 1;
    }
    if (skipped > 0) {
        Unread(*line + "\r\n");
        return Problem("skipped " + std::to_string(skipped) + " bytes that are no message");
    }

    std::optional<std::size_t> length;
    bool lengthRefused = false;
    for (;;) {
        const std::size_t colon = line->find(':');
        if (rules::SameAsciiIgnoringCase(Trim(std::string_view(*line).substr(0, colon)), kContentLength)) {
            length = ParseLength(std::string_view(*line).substr(colon + 1));
            lengthRefused = !length;
        }
        line = TakeLine();
        if (!line) return Problem("the input ended inside a message's header");
        if (line->empty()) break;
        if (!LooksLikeHeader(*line)) {
            Unread(*line + "\r\n");
            return Problem("a message's header holds a line that is no header");
        }
    }
    if (!length || lengthRefused)
        return Problem(lengthRefused ? "a message's Content-Length is no number of bytes up to " +
                                           std::to_string(kLargestBody)
                                     : "a message has no Content-Length");

    while (Buffered() < *length) {
        if (!source_.Ready(kBodyPatienceMs) || !Fill()) {
            // It stopped short: the length was wrong, or the client died. A
            // message that began inside it is read again.
            const std::string got = buffer_.substr(at_);
            at_ = buffer_.size();
            if (const std::size_t next = FindContentLength(got); next != std::string::npos)
                Unread(std::string_view(got).substr(next));
            return Problem("Content-Length says " + std::to_string(*length) + " bytes, but " +
                           std::to_string(got.size()) + " came");
        }
    }
    Frame frame{Frame::Kind::Message, buffer_.substr(at_, *length)};
    at_ += *length;
    return frame;
}

void WriteMessage(std::ostream& out, std::string_view body) {
    out << "Content-Length: " << body.size() << "\r\n\r\n" << body;
    out.flush();
}

}  // namespace lsp
