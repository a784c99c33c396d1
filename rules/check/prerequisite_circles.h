#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "rules/document/advance_table.h"

namespace rules {

// Advances that need themselves. The game looks a prerequisite up by its
// abbreviation and takes the first advance that has it, so the links
// followed here are exactly the ones the game follows; "nil", "no" and
// abbreviations no advance has give no link.
struct PrerequisiteCircle {
    // One way round the circle, from its lowest-numbered advance: path[i]
    // needs path[i + 1], and the last one needs path[0]. A single advance
    // that needs itself gives a path of one.
    std::vector<int> path;
    // Every advance caught in the circle, in ascending order. Where several
    // loops share advances they form one circle, and this holds advances that
    // the path does not pass through.
    std::vector<int> members;
};

class PrerequisiteLinks {
public:
    // Works out the links, the circles and what they block, in time linear in
    // the advances plus their links.
    explicit PrerequisiteLinks(const AdvanceTable& advances);

    // The advances that `number` needs (0, 1 or 2 of them; both prerequisites
    // may name the same advance, which then appears once).
    const std::vector<int>& Needs(int number) const { return needs_.at(static_cast<std::size_t>(number)); }

    // In the order of their lowest-numbered advance.
    const std::vector<PrerequisiteCircle>& Circles() const { return circles_; }
    // Index into Circles() of the circle `number` is caught in, or -1.
    int CircleOf(int number) const { return circleOf_.at(static_cast<std::size_t>(number)); }
    // Advances outside every circle that still need, directly or through a
    // chain, an advance of one: they can never be invented. Ascending.
    const std::vector<int>& NeverAvailable() const { return neverAvailable_; }
    // For an advance of NeverAvailable(): index into Circles() of a circle
    // it waits on (the one reached by the shortest chain); otherwise -1.
    int BlockingCircleOf(int number) const { return blockedBy_.at(static_cast<std::size_t>(number)); }
    // False for advances in a circle or waiting on one.
    bool CanBeInvented(int number) const { return CircleOf(number) < 0 && BlockingCircleOf(number) < 0; }

    // The advance a prerequisite text names: the first with that
    // abbreviation; 0 for "nil", "no" and abbreviations no advance has.
    int Lookup(std::string_view abbrev) const;

    // "Rrt -> Bsm -> Rrt": the path of a circle by abbreviation, back to its
    // start, as UTF-8.
    static std::string Describe(const AdvanceTable& advances, const PrerequisiteCircle& circle);

private:
    void FindCircles(int count);
    void FindBlocked(int count);

    // Views into the table's abbreviations: a PrerequisiteLinks is meant to
    // be built, used and dropped while the table stays as it is.
    std::unordered_map<std::string_view, int> firstWithAbbrev_;
    std::vector<std::vector<int>> needs_;     // index 0 unused
    std::vector<std::vector<int>> neededBy_;  // the links reversed
    std::vector<PrerequisiteCircle> circles_;
    std::vector<int> circleOf_;
    std::vector<int> blockedBy_;
    std::vector<int> neverAvailable_;
};

}  // namespace rules
