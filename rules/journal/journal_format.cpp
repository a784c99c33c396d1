#include "rules/journal/journal_format.h"

#include <array>
#include <cstring>

namespace rules {

namespace {

constexpr char kMagic[8] = {'O', 'V', 'J', 'R', 'N', 'L', '\r', '\n'};

// Little-endian pieces, written and read by hand so the file reads the same
// whatever the machine.
class Writer {
  public:
    void U8(std::uint8_t v) { out_.push_back(static_cast<char>(v)); }
    void U32(std::uint32_t v) {
        for (int i = 0; i < 4; ++i) U8(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    void U64(std::uint64_t v) {
        for (int i = 0; i < 8; ++i) U8(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    void I64(std::int64_t v) { U64(static_cast<std::uint64_t>(v)); }
    void Bytes(std::string_view s) {
        U64(s.size());
        out_.append(s);
    }
    void Plan(const EditPlan& plan) {
        U32(static_cast<std::uint32_t>(plan.edits.size()));
        for (const FieldEdit& e : plan.edits) {
            U8(static_cast<std::uint8_t>(e.ref.section));
            I64(e.ref.record);
            I64(e.ref.field);
            Bytes(e.value);
        }
        U32(static_cast<std::uint32_t>(plan.cells.size()));
        for (const CellEdit& e : plan.cells) {
            I64(e.ref.section);
            I64(e.ref.row);
            I64(e.ref.column);
            Bytes(e.value);
        }
    }
    std::string Take() { return std::move(out_); }

  private:
    std::string out_;
};

class Reader {
  public:
    explicit Reader(std::string_view in) : in_(in) {}
    bool ok() const { return ok_; }
    bool AtEnd() const { return pos_ == in_.size(); }
    std::uint8_t U8() {
        if (!Need(1)) return 0;
        return static_cast<std::uint8_t>(in_[pos_++]);
    }
    std::uint32_t U32() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(U8()) << (8 * i);
        return v;
    }
    std::uint64_t U64() {
        std::uint64_t v = 0;
        for (int i = 0; i < 8; ++i) v |= static_cast<std::uint64_t>(U8()) << (8 * i);
        return v;
    }
    std::int64_t I64() { return static_cast<std::int64_t>(U64()); }
    int Int() {
        const std::int64_t v = I64();
        if (v < -(1LL << 31) || v >= (1LL << 31)) ok_ = false;
        return static_cast<int>(v);
    }
    std::string Bytes() {
        const std::uint64_t size = U64();
        if (!Need(size)) return {};
        std::string s(in_.substr(pos_, size));
        pos_ += size;
        return s;
    }
    EditPlan Plan() {
        EditPlan plan;
        for (std::uint32_t n = U32(); ok_ && n > 0; --n) {
            FieldEdit e;
            const std::uint8_t section = U8();
            if (section > static_cast<std::uint8_t>(SectionId::Units)) ok_ = false;
            e.ref.section = static_cast<SectionId>(section);
            e.ref.record = Int();
            e.ref.field = Int();
            e.value = Bytes();
            if (ok_) plan.edits.push_back(std::move(e));
        }
        for (std::uint32_t n = U32(); ok_ && n > 0; --n) {
            CellEdit e;
            e.ref.section = Int();
            e.ref.row = Int();
            e.ref.column = Int();
            e.value = Bytes();
            if (ok_) plan.cells.push_back(std::move(e));
        }
        return plan;
    }

  private:
    bool Need(std::uint64_t n) {
        if (!ok_ || n > in_.size() - pos_) {
            ok_ = false;
            return false;
        }
        return true;
    }
    std::string_view in_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

// A record: its length, its checksum, then its bytes.
std::string Framed(std::string payload) {
    Writer w;
    w.U32(static_cast<std::uint32_t>(payload.size()));
    w.U32(Crc32(payload));
    std::string out = w.Take();
    out += payload;
    return out;
}

// The payload of the record at `pos`, or false when it is incomplete or damaged.
bool Unframe(std::string_view bytes, std::size_t pos, std::string_view& payload) {
    if (bytes.size() - pos < 8) return false;
    Reader r(bytes.substr(pos, 8));
    const std::uint32_t size = r.U32();
    const std::uint32_t crc = r.U32();
    if (bytes.size() - pos - 8 < size) return false;
    payload = bytes.substr(pos + 8, size);
    return Crc32(payload) == crc;
}

bool SamePlan(const EditPlan& a, const EditPlan& b) {
    if (a.edits.size() != b.edits.size() || a.cells.size() != b.cells.size()) return false;
    for (std::size_t i = 0; i < a.edits.size(); ++i)
        if (!(a.edits[i].ref == b.edits[i].ref) || a.edits[i].value != b.edits[i].value) return false;
    for (std::size_t i = 0; i < a.cells.size(); ++i)
        if (!(a.cells[i].ref == b.cells[i].ref) || a.cells[i].value != b.cells[i].value) return false;
    return true;
}

}  // namespace

bool JournalEntry::operator==(const JournalEntry& o) const {
    return kind == o.kind && atMs == o.atMs && text == o.text && SamePlan(plan, o.plan) &&
           SamePlan(undo, o.undo) && content == o.content && beforeDigest == o.beforeDigest &&
           beforeSize == o.beforeSize;
}

std::uint32_t Crc32(std::string_view bytes) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char b : bytes) crc = table[(crc ^ b) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

std::string EncodeJournalHeader(const JournalHeader& h) {
    Writer w;
    w.Bytes(h.rulesFile);
    const FileStamp& s = h.stamp;
    w.U8(s.valid ? 1 : 0);
    w.U64(s.size);
    w.U64(s.digest);
    w.I64(s.modifiedSeconds);
    w.I64(s.modifiedNanoseconds);
    w.I64(s.changedSeconds);
    w.I64(s.changedNanoseconds);
    w.U64(s.device);
    w.U64(s.inode);
    w.U64(h.startDigest);
    w.U64(h.startSize);
    w.I64(h.ownerPid);
    w.I64(h.startedAtMs);
    // The version stands outside the checksummed record, so that a journal of
    // any other version is told apart from a damaged one.
    Writer lead;
    lead.U32(h.formatVersion);
    std::string out(kMagic, sizeof kMagic);
    out += lead.Take();
    out += Framed(w.Take());
    return out;
}

std::string EncodeJournalEntry(const JournalEntry& e) {
    Writer w;
    w.U8(static_cast<std::uint8_t>(e.kind));
    w.I64(e.atMs);
    switch (e.kind) {
        case JournalEntry::Kind::Push:
            w.Bytes(e.text);
            w.Plan(e.plan);
            w.Plan(e.undo);
            break;
        case JournalEntry::Kind::Replace:
            w.Bytes(e.text);
            w.Bytes(e.content);
            w.U64(e.beforeDigest);
            w.U64(e.beforeSize);
            break;
        default: break;
    }
    return Framed(w.Take());
}

JournalContents DecodeJournal(std::string_view bytes) {
    JournalContents result;
    if (bytes.size() < sizeof kMagic + 4 || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0)
        return result;
    result.header.formatVersion = Reader(bytes.substr(sizeof kMagic, 4)).U32();
    if (result.header.formatVersion != kJournalFormatVersion) {
        result.state = JournalState::OtherVersion;
        return result;
    }
    std::size_t pos = sizeof kMagic + 4;
    std::string_view payload;
    if (!Unframe(bytes, pos, payload)) return result;
    Reader r(payload);
    JournalHeader& h = result.header;
    h.rulesFile = r.Bytes();
    h.stamp.valid = r.U8() != 0;
    h.stamp.size = r.U64();
    h.stamp.digest = r.U64();
    h.stamp.modifiedSeconds = r.I64();
    h.stamp.modifiedNanoseconds = r.I64();
    h.stamp.changedSeconds = r.I64();
    h.stamp.changedNanoseconds = r.I64();
    h.stamp.device = r.U64();
    h.stamp.inode = r.U64();
    h.startDigest = r.U64();
    h.startSize = r.U64();
    h.ownerPid = r.I64();
    h.startedAtMs = r.I64();
    if (!r.ok() || !r.AtEnd()) return result;
    pos += 8 + payload.size();
    result.validBytes = pos;
    result.state = JournalState::Complete;
    while (pos < bytes.size()) {
        JournalEntry e;
        bool good = Unframe(bytes, pos, payload);
        if (good) {
            Reader er(payload);
            const std::uint8_t kind = er.U8();
            e.kind = static_cast<JournalEntry::Kind>(kind);
            e.atMs = er.I64();
            if (e.kind == JournalEntry::Kind::Push) {
                e.text = er.Bytes();
                e.plan = er.Plan();
                e.undo = er.Plan();
            } else if (e.kind == JournalEntry::Kind::Replace) {
                e.text = er.Bytes();
                e.content = er.Bytes();
                e.beforeDigest = er.U64();
                e.beforeSize = er.U64();
            }
            good = er.ok() && er.AtEnd() && kind >= 1 && kind <= 6;
        }
        if (!good) {
            result.state = JournalState::TornTail;
            break;
        }
        result.entries.push_back(std::move(e));
        pos += 8 + payload.size();
        result.validBytes = pos;
    }
    return result;
}

}  // namespace rules
