#include "rules/compare/record_alignment.h"

#include <algorithm>
#include <string>
#include <unordered_map>

#include "rules/compare/line_matcher.h"
#include "rules/document/record_fields.h"
#include "rules/document/rules_document.h"

namespace rules {

namespace {

std::size_t At(int index) { return static_cast<std::size_t>(index); }

// Each record's keys, most telling first; records 0-based here.
using Keys = std::vector<std::vector<std::string>>;

struct Pair {
    int base;
    int other;
};

// Pairs the n-th record holding a key with the n-th on the other side, for
// the keys both sides hold equally often; records paired by an earlier key
// take no part in a later one. `known` marks the records so paired, even
// those a change of order will unpair again: a key held a different number
// of times on the two sides tells nothing, and leaves its records to be
// paired by position between their neighbours, or not at all.
std::vector<Pair> PairsByKey(const Keys& base, const Keys& other, std::vector<bool>& baseKnown,
                             std::vector<bool>& otherKnown) {
    std::vector<int> baseTaken(base.size(), -1);
    std::vector<bool> otherTaken(other.size(), false);
    std::size_t levels = 0;
    for (const auto& keys : base) levels = std::max(levels, keys.size());
    for (std::size_t level = 0; level < levels; ++level) {
        std::unordered_map<std::string, std::vector<int>> inBase, inOther;
        for (std::size_t r = 0; r < base.size(); ++r)
            if (baseTaken[r] < 0 && level < base[r].size()) inBase[base[r][level]].push_back(static_cast<int>(r));
        for (std::size_t r = 0; r < other.size(); ++r)
            if (!otherTaken[r] && level < other[r].size()) inOther[other[r][level]].push_back(static_cast<int>(r));
        for (const auto& [key, records] : inBase) {
            const auto found = inOther.find(key);
            if (found == inOther.end()) continue;
            if (records.size() != found->second.size()) continue;
            for (const int r : records) baseKnown[At(r)] = true;
            for (const int r : found->second) otherKnown[At(r)] = true;
            for (std::size_t k = 0; k < records.size(); ++k) {
                baseTaken[At(records[k])] = found->second[k];
                otherTaken[At(found->second[k])] = true;
            }
        }
    }
    std::vector<Pair> pairs;
    for (std::size_t r = 0; r < base.size(); ++r)
        if (baseTaken[r] >= 0) pairs.push_back({static_cast<int>(r), baseTaken[r]});
    return pairs;
}

RecordMap Aligned(const Keys& base, const Keys& other) {
    std::vector<bool> baseKnown(base.size(), false), otherKnown(other.size(), false);
    const std::vector<Pair> candidates = PairsByKey(base, other, baseKnown, otherKnown);
    // Records the other side put in another order drop out.
    std::vector<int> otherOrder;
    for (const Pair& pair : candidates) otherOrder.push_back(pair.other);
    std::vector<Pair> kept;
    for (const int k : LongestIncreasingRun(otherOrder)) kept.push_back(candidates[At(k)]);

    RecordMap map;
    map.toOther.assign(base.size(), 0);
    map.toBase.assign(other.size(), 0);
    const auto link = [&map](int b, int o) {
        map.toOther[At(b)] = o + 1;
        map.toBase[At(o)] = b + 1;
    };
    int b0 = 0, o0 = 0;
    const auto gap = [&](int b1, int o1) {
        if (b1 - b0 != o1 - o0) return;
        for (int b = b0; b < b1; ++b)
            if (baseKnown[At(b)]) return;
        for (int o = o0; o < o1; ++o)
            if (otherKnown[At(o)]) return;
        for (int k = 0; k < b1 - b0; ++k) link(b0 + k, o0 + k);
    };
    for (const Pair& pair : kept) {
        gap(pair.base, pair.other);
        link(pair.base, pair.other);
        b0 = pair.base + 1;
        o0 = pair.other + 1;
    }
    gap(static_cast<int>(base.size()), static_cast<int>(other.size()));
    return map;
}

Keys RecordKeys(const RulesDocument& document, SectionId section) {
    Keys keys;
    for (int record = 1; record <= RecordCount(document, section); ++record) {
        if (section == SectionId::Advances)
            keys.push_back({document.Advances().At(record).name, document.Advances().At(record).abbrev});
        else
            keys.push_back({RecordName(document, section, record)});
    }
    return keys;
}

Keys RowKeys(const SectionTable& section) {
    Keys keys;
    for (int row = 1; row <= section.RowCount(); ++row) {
        const std::vector<std::string>& values = section.Row(row).values;
        keys.push_back({values.empty() ? std::string() : values.front()});
    }
    return keys;
}

RecordMap BySlot(int baseCount, int otherCount) {
    RecordMap map;
    map.toOther.assign(At(baseCount), 0);
    map.toBase.assign(At(otherCount), 0);
    for (int k = 1; k <= std::min(baseCount, otherCount); ++k) {
        map.toOther[At(k - 1)] = k;
        map.toBase[At(k - 1)] = k;
    }
    return map;
}

}  // namespace

RecordAlignment AlignRecords(const RulesDocument& base, const RulesDocument& other) {
    RecordAlignment alignment;
    alignment.cosmic = BySlot(RecordCount(base, SectionId::Cosmic), RecordCount(other, SectionId::Cosmic));
    alignment.advances = Aligned(RecordKeys(base, SectionId::Advances), RecordKeys(other, SectionId::Advances));
    alignment.units = Aligned(RecordKeys(base, SectionId::Units), RecordKeys(other, SectionId::Units));
    for (int s = 0; s < base.Others().Count(); ++s) {
        const int t = base.Others().CounterpartIn(other.Others(), s);
        alignment.others.push_back(t < 0 ? RecordMap{}
                                         : Aligned(RowKeys(base.Others().At(s)), RowKeys(other.Others().At(t))));
    }
    return alignment;
}

}  // namespace rules
