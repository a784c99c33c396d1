#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
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
// millions of lines. The text as loaded never changes, so copies of a store
// (a step that replaces the document keeps the one it replaced) share it.
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

    int LineCount() const { return static_cast<int>(text_->lines.size()); }
    // The text of the line; empty for an index outside 0 .. LineCount()-1.
    // The view stays valid until the next PutLine or load.
    std::string_view GetLine(int index) const;
    // Replaces one existing line's text (no line break in it). An index
    // outside the store is ignored.
    void PutLine(int index, std::string text);

    bool EndsWithLineBreak() const { return endsWithBreak_; }

    // Whether both hold the same lines, line breaks aside: told from the
    // replaced lines alone when both share the text as loaded (a copy taken
    // at a save, a step's kept content), line by line otherwise.
    bool SameLines(const LineStore& other) const;

    // Whether SaveBytes would give the bytes of the file this content was
    // last read from or written to, told without making them: from the
    // lines replaced since (a file read with other line breaks differs at
    // once). Unknown once content from elsewhere was swapped in.
    enum class FileMatch { Same, Different, Unknown };
    FileMatch MatchesFile() const;
    // The content as it is now was written to the file.
    void FileWritten() { file_ = {true, true, replaced_}; }
    // The content no longer comes from the file it was read from.
    void ForgetFile() { file_.known = false; }
    // The size and digest of the bytes SaveBytes would give, without making them.
    ContentDigest Digest() const;
    bool Empty() const { return text_->lines.empty(); }
    void Clear();

private:
    struct Span {
        std::size_t offset;
        std::size_t length;
    };
    void Index(std::string&& bytes);
    template <typename Sink>
    void Emit(Sink&& sink) const;

    // The bytes as loaded and where each line stands in them.
    struct Text {
        std::string bytes;
        std::vector<Span> lines;
    };
    static const std::shared_ptr<const Text>& NoText();
    std::shared_ptr<const Text> text_ = NoText();
    std::unordered_map<int, std::string> replaced_;
    bool endsWithBreak_ = false;
    bool crLfOnly_ = false;  // every break of the text is CR LF
    // What the file last read or written holds, in the terms of the content:
    // whether the text as loaded writes back as it was read, and the lines
    // replaced when it was written.
    struct FileState {
        bool known = false;
        bool asLoaded = false;
        std::unordered_map<int, std::string> replaced;
    } file_;
};

}  // namespace rules
