#pragma once

// The framing of the language server protocol: each message is a block of
// header lines ("Content-Length: 52"), an empty line, and that many bytes of
// JSON. The reader never trusts the input: bytes that are no header are
// skipped up to the next "Content-Length:", and a message that cannot be
// framed is reported, so that the server answers it and reads on.

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lsp {

// Where the messages come from: standard input, or a text (tests, fuzzing).
class ByteSource {
  public:
    virtual ~ByteSource() = default;
    // Up to `size` bytes, waiting for at least one; 0 at the end of the input.
    virtual std::size_t Read(char* buffer, std::size_t size) = 0;
    // Whether a read would return at once, now or within `milliseconds`
    // (also at the end of the input, where a read returns 0).
    virtual bool Ready(int milliseconds) = 0;
};

// A file descriptor: the server's standard input.
class FileSource : public ByteSource {
  public:
    explicit FileSource(int fd) : fd_(fd) {}
    std::size_t Read(char* buffer, std::size_t size) override;
    bool Ready(int milliseconds) override;

  private:
    int fd_;
};

// Bytes given beforehand, handed out `piece` bytes at a time, in bursts:
// between two bursts the input is quiet once, as when a client waits.
class TextSource : public ByteSource {
  public:
    explicit TextSource(std::vector<std::string> bursts, std::size_t piece = 4096)
        : bursts_(std::move(bursts)), piece_(piece == 0 ? 1 : piece) {}
    std::size_t Read(char* buffer, std::size_t size) override;
    bool Ready(int milliseconds) override;

  private:
    std::vector<std::string> bursts_;
    std::size_t piece_;
    std::size_t burst_ = 0;
    std::size_t at_ = 0;
    bool quiet_ = false;  // the pause after the current burst was seen
};

// One step of reading: a message's body, a problem to answer, or the end.
struct Frame {
    enum class Kind { Message, Problem, End };
    Kind kind = Kind::End;
    std::string text;  // the body of a message, or what was wrong
};

class MessageReader {
  public:
    // The largest body taken; a longer Content-Length is refused.
    static constexpr std::size_t kLargestBody = 64u << 20;
    // How long a body that stopped short is waited for before it is given up.
    static constexpr int kBodyPatienceMs = 3000;

    explicit MessageReader(ByteSource& source) : source_(source) {}

    Frame Next();
    // Whether a message has begun to arrive, or does within `milliseconds`.
    bool InputWaiting(int milliseconds);
    // Puts bytes back in front of what is still to be read: the header of a
    // message found inside a body that a wrong Content-Length made too long.
    void Unread(std::string_view bytes);

  private:
    bool Fill();
    std::optional<std::string> TakeLine();
    std::size_t Buffered() const { return buffer_.size() - at_; }

    ByteSource& source_;
    std::string buffer_;
    std::size_t at_ = 0;
};

// Where a header line "Content-Length:" starts inside `text`, letter case
// ignored; npos when it holds none.
std::size_t FindContentLength(std::string_view text);

// Writes one message: its header and the body.
void WriteMessage(std::ostream& out, std::string_view body);

}  // namespace lsp
