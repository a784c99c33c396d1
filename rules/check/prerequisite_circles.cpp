#include "rules/check/prerequisite_circles.h"

#include <algorithm>
#include <deque>

#include "rules/document/cp1252.h"

namespace rules {

PrerequisiteLinks::PrerequisiteLinks(const AdvanceTable& advances) {
    const int count = advances.Count();
    const auto slots = static_cast<std::size_t>(count) + 1;
    firstWithAbbrev_.reserve(slots);
    for (int k = 1; k <= count; ++k) firstWithAbbrev_.emplace(advances.At(k).abbrev, k);

    needs_.assign(slots, {});
    neededBy_.assign(slots, {});
    for (int k = 1; k <= count; ++k) {
        const AdvanceRecord& advance = advances.At(k);
        for (const std::string* prereq : {&advance.prereq1, &advance.prereq2}) {
            const int target = Lookup(*prereq);
            if (target == 0) continue;
            std::vector<int>& needs = needs_[static_cast<std::size_t>(k)];
            if (std::find(needs.begin(), needs.end(), target) != needs.end()) continue;
            needs.push_back(target);
            neededBy_[static_cast<std::size_t>(target)].push_back(k);
        }
    }
    circleOf_.assign(slots, -1);
    blockedBy_.assign(slots, -1);
    FindCircles(count);
    FindBlocked(count);
}

int PrerequisiteLinks::Lookup(std::string_view abbrev) const {
    if (IsNoAdvance(abbrev)) return 0;
    const auto it = firstWithAbbrev_.find(abbrev);
    return it == firstWithAbbrev_.end() ? 0 : it->second;
}

// Strongly connected groups (Tarjan), without recursion so that no table
// shape can exhaust the stack. A group of two or more advances, or one
// advance that needs itself, is a circle.
void PrerequisiteLinks::FindCircles(int count) {
    const auto slots = static_cast<std::size_t>(count) + 1;
    std::vector<int> order(slots, 0), low(slots, 0);
    std::vector<bool> onStack(slots, false);
    std::vector<int> stack;
    struct Frame {
        int node;
        std::size_t next;  // next link of node to follow
    };
    std::vector<Frame> frames;
    int counter = 0;

    for (int root = 1; root <= count; ++root) {
        if (order[static_cast<std::size_t>(root)] != 0) continue;
        frames.push_back({root, 0});
        while (!frames.empty()) {
            Frame& frame = frames.back();
            const auto v = static_cast<std::size_t>(frame.node);
            if (frame.next == 0 && order[v] == 0) {
                order[v] = low[v] = ++counter;
                stack.push_back(frame.node);
                onStack[v] = true;
            }
            if (frame.next < needs_[v].size()) {
                const auto w = static_cast<std::size_t>(needs_[v][frame.next++]);
                if (order[w] == 0) {
                    frames.push_back({static_cast<int>(w), 0});
                } else if (onStack[w]) {
                    low[v] = std::min(low[v], order[w]);
                }
                continue;
            }
            // All links of v followed: close its group if v is its root.
            if (low[v] == order[v]) {
                PrerequisiteCircle circle;
                int w = 0;
                do {
                    w = stack.back();
                    stack.pop_back();
                    onStack[static_cast<std::size_t>(w)] = false;
                    circle.members.push_back(w);
                } while (w != frame.node);
                const auto& own = needs_[v];
                const bool needsItself = std::find(own.begin(), own.end(), frame.node) != own.end();
                if (circle.members.size() > 1 || needsItself) {
                    std::sort(circle.members.begin(), circle.members.end());
                    circles_.push_back(std::move(circle));
                }
            }
            const int finished = frame.node;
            frames.pop_back();
            if (!frames.empty()) {
                const auto parent = static_cast<std::size_t>(frames.back().node);
                low[parent] = std::min(low[parent], low[static_cast<std::size_t>(finished)]);
            }
        }
    }

    // Numbered in the order of their lowest-numbered advance, which is only
    // known once all are found.
    std::sort(circles_.begin(), circles_.end(),
              [](const PrerequisiteCircle& a, const PrerequisiteCircle& b) {
                  return a.members.front() < b.members.front();
              });
    // The shortest way round from the lowest-numbered member, staying inside
    // the circle (breadth first).
    std::vector<int> parent(slots, 0);
    for (std::size_t c = 0; c < circles_.size(); ++c) {
        PrerequisiteCircle& circle = circles_[c];
        for (int m : circle.members) circleOf_[static_cast<std::size_t>(m)] = static_cast<int>(c);
        const int start = circle.members.front();
        std::deque<int> queue{start};
        int last = 0;  // the member whose link leads back to start
        while (!queue.empty() && last == 0) {
            const int v = queue.front();
            queue.pop_front();
            for (int w : needs_[static_cast<std::size_t>(v)]) {
                if (circleOf_[static_cast<std::size_t>(w)] != static_cast<int>(c)) continue;
                if (w == start) {
                    last = v;
                    break;
                }
                if (parent[static_cast<std::size_t>(w)] == 0) {
                    parent[static_cast<std::size_t>(w)] = v;
                    queue.push_back(w);
                }
            }
        }
        for (int v = last; v != start; v = parent[static_cast<std::size_t>(v)])
            circle.path.push_back(v);
        circle.path.push_back(start);
        std::reverse(circle.path.begin(), circle.path.end());
    }
}

// Breadth first from every circle at once along the reversed links: each
// advance reached is blocked by the circle whose chain reached it first.
void PrerequisiteLinks::FindBlocked(int count) {
    std::deque<int> queue;
    for (const PrerequisiteCircle& circle : circles_)
        queue.insert(queue.end(), circle.members.begin(), circle.members.end());
    while (!queue.empty()) {
        const int v = queue.front();
        queue.pop_front();
        const int label = circleOf_[static_cast<std::size_t>(v)] >= 0
                              ? circleOf_[static_cast<std::size_t>(v)]
                              : blockedBy_[static_cast<std::size_t>(v)];
        for (int w : neededBy_[static_cast<std::size_t>(v)]) {
            const auto sw = static_cast<std::size_t>(w);
            if (circleOf_[sw] >= 0 || blockedBy_[sw] >= 0) continue;
            blockedBy_[sw] = label;
            queue.push_back(w);
        }
    }
    for (int k = 1; k <= count; ++k)
        if (blockedBy_[static_cast<std::size_t>(k)] >= 0) neverAvailable_.push_back(k);
}

std::string PrerequisiteLinks::Describe(const AdvanceTable& advances,
                                        const PrerequisiteCircle& circle) {
    std::string text;
    for (int k : circle.path) {
        text += Cp1252ToUtf8(advances.At(k).abbrev);
        text += " -> ";
    }
    if (!circle.path.empty()) text += Cp1252ToUtf8(advances.At(circle.path.front()).abbrev);
    return text;
}

}  // namespace rules
