#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "rules/document/file_stamp.h"
#include "rules/document/status.h"

namespace rules {

// The whole text of a file as an ordered list of 8-bit lines, indexed from 0.
//
// Bytes pass through unchanged (NUL bytes and bytes >= 128 included, no cap on
// line length). Line breaks are normalised on load: CR LF, a lone CR and a lone
// LF each end a line; every line is written back followed by CR LF, except the
// last one when the loaded text did not end with a line break.
//
// The text is kept in one contiguous buffer with an offset table, and replaced
// lines are kept aside, so memory stays close to the file size even for
// millions of lines.
class LineStore {
public:
    // Replaces the whole content with the given bytes.
    void LoadBytes(std::string_view bytes);
    void LoadBytes(std::string&& bytes);
    // Replaces the whole content with the file's bytes. On failure the content
    // is unchanged and the message is "Cannot open file <name>". When given,
    // `stamp` records what was read.
    Status LoadFile(const std::string& fileName, FileStamp* stamp = nullptr);

    // The content as it would be written.
    std::string SaveBytes() const;
    // Writes the content to the file without ever leaving a damaged file: the
    // bytes go to a temporary file beside the target, which then replaces it
    // (keeping the target's permissions). Where the folder cannot take a new
    // file but the target itself is writable, the target is rewritten in
    // place. A file the user may not write is never replaced. Failures:
    // "Cannot create file <name>", "Stream write error"; the
    // file on disk is then as it was. When given, `written` records what was
    // written, once the save succeeded.
    Status SaveFile(const std::string& fileName, FileStamp* written = nullptr) const;

    int LineCount() const { return static_cast<int>(lines_.size()); }
    // The text of the line; empty for an index outside 0 .. LineCount()-1.
    // The view stays valid until the next PutLine or load.
    std::string_view GetLine(int index) const;
    // Replaces one existing line's text (no line break in it). An index
    // outside the store is ignored.
    void PutLine(int index, std::string text);

    bool EndsWithLineBreak() const { return endsWithBreak_; }
    // The size and digest of the bytes SaveBytes would give, without making them.
    ContentDigest Digest() const;
    bool Empty() const { return lines_.empty(); }
    void Clear();

private:
    struct Span {
        std::size_t offset;
        std::size_t length;
    };
    void Index();
    template <typename Sink>
    void Emit(Sink&& sink) const;

    std::string text_;
    std::vector<Span> lines_;
    std::unordered_map<int, std::string> replaced_;
    bool endsWithBreak_ = false;
};

}  // namespace rules
