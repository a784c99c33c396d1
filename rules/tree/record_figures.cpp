#include "rules/tree/record_figures.h"

#include <algorithm>

#include "rules/tree/tech_tree.h"

namespace rules {

RecordFigures RecordFigures::Compute(const AdvanceTable& advances, const UnitTable& units) {
    const TechTree tree = TechTree::Build(advances, units);
    const auto& nodes = tree.Nodes();
    RecordFigures figures;
    figures.advances.resize(nodes.size());
    for (std::size_t k = 0; k < nodes.size(); ++k) {
        AdvanceFigures& f = figures.advances[k];
        f.advancesNeeded = static_cast<int>(tree.Ancestors(static_cast<int>(k)).size());
        f.units = static_cast<int>(nodes[k].unitsBrought.size());
    }
    // An advance that names the same prerequisite twice opens it once.
    std::vector<std::pair<int, int>> links;
    for (const TechEdge& edge : tree.Edges()) links.emplace_back(edge.from, edge.to);
    std::sort(links.begin(), links.end());
    links.erase(std::unique(links.begin(), links.end()), links.end());
    for (const auto& [from, to] : links) ++figures.advances[static_cast<std::size_t>(from)].opens;

    const auto epochOf = [&](int number) {
        const int epoch = nodes[static_cast<std::size_t>(TechTree::IndexOfAdvance(number))].epoch;
        return epoch >= 0 ? epoch : UnitFigures::kUnknown;
    };
    figures.units.resize(static_cast<std::size_t>(units.Count()));
    for (int u = 1; u <= units.Count(); ++u) {
        const UnitRecord& unit = units.At(u);
        UnitFigures& f = figures.units[static_cast<std::size_t>(u - 1)];
        if (unit.prereq == kUnreachableAdvance) {
            f.neverAvailable = true;
        } else if (unit.prereq != kNoAdvance) {
            if (const int number = advances.FindByAbbrev(unit.prereq)) {
                f.availableEpoch = epochOf(number);
                f.advancesNeeded =
                    figures.advances[static_cast<std::size_t>(number - 1)].advancesNeeded + 1;
                const TechNode& node = nodes[static_cast<std::size_t>(number - 1)];
                f.neverAvailable = node.inCircle || node.neverAvailable;
            } else {
                f.availableEpoch = UnitFigures::kUnknown;
            }
        }
        if (!IsNoAdvance(unit.obsoleteBy)) {
            const int number = advances.FindByAbbrev(unit.obsoleteBy);
            f.retiredEpoch = number ? epochOf(number) : UnitFigures::kUnknown;
        }
    }
    return figures;
}

}  // namespace rules
