// PlanMerge: what THEIRS changed against BASE, set against what OURS
// changed, record by record and line by line.

#include <algorithm>
#include <limits>
#include <map>

#include "rules/compare/comparison.h"
#include "rules/compare/line_alignment.h"
#include "rules/compare/merge.h"
#include "rules/document/rules_document.h"
#include "rules/sections/section_cells.h"

namespace rules {

namespace {

constexpr SectionId kSections[] = {SectionId::Cosmic, SectionId::Advances, SectionId::Units};

std::size_t At(int index) { return static_cast<std::size_t>(index); }

std::string LineText(const RulesDocument& document, int line) {
    return std::string(document.Lines().GetLine(line));
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        if (!text.empty()) text += '\n';
        text += line;
    }
    return text;
}

bool RecordDiffers(const RulesDocument& a, int aRecord, const RulesDocument& b, int bRecord,
                   SectionId section) {
    for (int field = 0; field < FieldCount(section); ++field) {
        if (FieldText(a, {section, aRecord, field}) != FieldText(b, {section, bRecord, field})) return true;
    }
    return false;
}

bool RowDiffers(const SectionTable& a, int aRow, const SectionTable& b, int bRow) {
    return a.Row(aRow).values != b.Row(bRow).values || a.Row(aRow).comment != b.Row(bRow).comment;
}

// The side's counterpart of row `row` of BASE's section `s`: its section
// index, row and line, or -1s (row 0).
struct RowPlace {
    int section = -1;
    int row = 0;
    int line = -1;
};
RowPlace RowIn(const RulesDocument& base, const RulesDocument& side, const RecordAlignment& records,
               int s, int row) {
    const int t = base.Others().CounterpartIn(side.Others(), s);
    const int counterpart = t < 0 ? 0 : records.others[At(s)].Other(row);
    if (counterpart <= 0) return {t, 0, -1};
    return {t, counterpart, side.Others().At(t).LineOf(counterpart)};
}

std::string Label(const RulesDocument& document, SectionId section, int record) {
    return RecordLabel(section, RecordName(document, section, record),
                       section == SectionId::Advances ? document.Advances().At(record).abbrev
                                                      : std::string());
}

// How one side's lines stand to BASE's: for each line of BASE its line on
// the side (-1: the side removed it) and whether it differs there, and for
// each line of the side its line in BASE (-1: the side added it). Record
// lines pair as AlignRecords pairs the records, the other lines as the
// comparison pairs them.
struct Side {
    const RulesDocument& document;
    const RecordAlignment records;
    LineAlignment lines;
    std::vector<int> fromBase;
    std::vector<bool> changed;
    std::vector<int> toBase;

    Side(const RulesDocument& base, const RulesDocument& side)
        : document(side),
          records(AlignRecords(base, side)),
          fromBase(At(base.Lines().LineCount()), -1),
          changed(At(base.Lines().LineCount()), false),
          toBase(At(side.Lines().LineCount()), -1) {
        lines = AlignLines(base, side, records);
        for (int line = 0; line < base.Lines().LineCount(); ++line) {
            const int other = lines.toOther[At(line)];
            if (other >= 0) Link(line, other, base.Lines().GetLine(line) != side.Lines().GetLine(other));
        }
        for (const SectionId section : kSections) {
            for (int record = 1; record <= RecordCount(base, section); ++record) {
                const int baseLine = RecordLine(base, section, record);
                const int counterpart = records.Of(section).Other(record);
                const int sideLine = RecordLine(side, section, counterpart);
                if (baseLine >= 0 && sideLine >= 0)
                    Link(baseLine, sideLine, RecordDiffers(base, record, side, counterpart, section));
            }
        }
        for (int s = 0; s < base.Others().Count(); ++s) {
            const SectionTable& section = base.Others().At(s);
            for (int row = 1; row <= section.RowCount(); ++row) {
                const RowPlace place = RowIn(base, side, records, s, row);
                if (place.line >= 0)
                    Link(section.LineOf(row), place.line,
                         RowDiffers(section, row, side.Others().At(place.section), place.row));
            }
        }
    }

    void Link(int baseLine, int sideLine, bool differs) {
        fromBase[At(baseLine)] = sideLine;
        changed[At(baseLine)] = differs;
        toBase[At(sideLine)] = baseLine;
    }
};

// Lines a side added, in runs: each run keyed by the line of BASE that
// comes right before it on that side (-1: the start of the file).
struct AddedRun {
    int first = -1;  // the run's first line on its side
    std::vector<std::string> texts;
};

std::map<int, AddedRun> AddedRuns(const Side& side) {
    std::map<int, AddedRun> runs;
    const LineStore& lines = side.document.Lines();
    int anchor = -1;
    AddedRun* open = nullptr;
    for (int line = 0; line < lines.LineCount(); ++line) {
        if (side.toBase[At(line)] >= 0) {
            anchor = side.toBase[At(line)];
            open = nullptr;
            continue;
        }
        if (!open) {
            open = &runs[anchor];
            open->first = line;
        }
        open->texts.emplace_back(lines.GetLine(line));
    }
    return runs;
}

class Planner {
  public:
    Planner(const RulesDocument& base, const RulesDocument& ours, const RulesDocument& theirs)
        : base_(base), ours_(base, ours), theirs_(base, theirs) {}

    MergePlan Run() {
        for (const SectionId section : kSections) Records(section);
        for (int s = 0; s < base_.Others().Count(); ++s) Rows(s);
        FreeLines();
        AddedLines();
        std::stable_sort(plan_.lines.begin(), plan_.lines.end(), [](const auto& a, const auto& b) {
            const bool aInsert = a.kind == MergeLineEdit::Kind::InsertAfter;
            const bool bInsert = b.kind == MergeLineEdit::Kind::InsertAfter;
            return a.oursLine != b.oursLine ? a.oursLine < b.oursLine : !aInsert && bInsert;
        });
        std::stable_sort(plan_.conflicts.begin(), plan_.conflicts.end(),
                         [](const auto& a, const auto& b) {
                             const auto key = [](int line) {
                                 return line < 0 ? std::numeric_limits<int>::max() : line;
                             };
                             return key(a.oursLine) < key(b.oursLine);
                         });
        return std::move(plan_);
    }

  private:
    const RulesDocument& Ours() const { return ours_.document; }
    const RulesDocument& Theirs() const { return theirs_.document; }

    void Records(SectionId section) {
        // A record BASE lacks was added: its line joins the added lines.
        for (int record = 1; record <= RecordCount(base_, section); ++record) {
            const int baseLine = RecordLine(base_, section, record);
            if (baseLine < 0) continue;
            const int mine = ours_.records.Of(section).Other(record);
            const int oursLine = RecordLine(Ours(), section, mine);
            const int theirsLine = RecordLine(Theirs(), section, theirs_.records.Of(section).Other(record));
            if (oursLine >= 0 && theirsLine >= 0) {
                Fields(section, record, mine, theirs_.records.Of(section).Other(record), oursLine);
            } else if (oursLine >= 0) {
                if (!ours_.changed[At(baseLine)])
                    plan_.lines.push_back({MergeLineEdit::Kind::Remove, oursLine, {}});
                else
                    AddConflict(MergeConflict::Kind::Record, {section, mine, 0},
                                Label(Ours(), section, mine), "removed in theirs, changed in ours",
                                oursLine, LineText(base_, baseLine), LineText(Ours(), oursLine),
                                std::nullopt);
            } else if (theirsLine >= 0 && theirs_.changed[At(baseLine)]) {
                AddConflict(MergeConflict::Kind::Record, {section, record, 0},
                            Label(base_, section, record), "removed in ours, changed in theirs", -1,
                            LineText(base_, baseLine), std::nullopt,
                            LineText(Theirs(), theirsLine));
            }
        }
    }

    // Record `record` of BASE is `mine` in OURS and `yours` in THEIRS.
    void Fields(SectionId section, int record, int mine, int yours, int oursLine) {
        for (int field = 0; field < FieldCount(section); ++field) {
            const FieldRef ref{section, mine, field};
            const std::string& base = FieldText(base_, {section, record, field});
            const std::string& ours = FieldText(Ours(), ref);
            const std::string& theirs = FieldText(Theirs(), {section, yours, field});
            if (theirs == base || theirs == ours) continue;
            if (ours == base)
                plan_.fields.push_back({ref, theirs, oursLine});
            else
                AddConflict(MergeConflict::Kind::Field, ref, Label(Ours(), section, mine), "",
                            oursLine, base, ours, theirs);
        }
    }

    // A section's rows, as Records does a designed section's records.
    void Rows(int s) {
        const SectionTable& section = base_.Others().At(s);
        for (int row = 1; row <= section.RowCount(); ++row) {
            const int baseLine = section.LineOf(row);
            const RowPlace ours = RowIn(base_, Ours(), ours_.records, s, row);
            const RowPlace theirs = RowIn(base_, Theirs(), theirs_.records, s, row);
            if (ours.line >= 0 && theirs.line >= 0) {
                Cells(section, row, Ours().Others().At(ours.section), ours.section, ours.row,
                      Theirs().Others().At(theirs.section), theirs.row, ours.line);
            } else if (ours.line >= 0) {
                if (!ours_.changed[At(baseLine)]) {
                    plan_.lines.push_back({MergeLineEdit::Kind::Remove, ours.line, {}});
                    continue;
                }
                AddConflict(MergeConflict::Kind::Record, {}, RowLabel(Ours().Others().At(ours.section), ours.row),
                            "removed in theirs, changed in ours", ours.line, LineText(base_, baseLine),
                            LineText(Ours(), ours.line), std::nullopt);
                RowOfConflict(section, {ours.section, ours.row, 0});
            } else if (theirs.line >= 0 && theirs_.changed[At(baseLine)]) {
                AddConflict(MergeConflict::Kind::Record, {}, RowLabel(section, row),
                            "removed in ours, changed in theirs", -1, LineText(base_, baseLine),
                            std::nullopt, LineText(Theirs(), theirs.line));
                RowOfConflict(section, {-1, row, 0});
            }
        }
    }

    // Row `row` of BASE's section is `mine` of OURS's and `yours` of THEIRS's.
    void Cells(const SectionTable& base, int row, const SectionTable& ours, int oursSection, int mine,
               const SectionTable& theirs, int yours, int oursLine) {
        const RowText& b = base.Row(row);
        const RowText& o = ours.Row(mine);
        const RowText& t = theirs.Row(yours);
        const auto text = [](const RowText& cells, std::size_t c) {
            return c < cells.values.size() ? cells.values[c] : std::string();
        };
        const std::size_t values = std::max({b.values.size(), o.values.size(), t.values.size()});
        for (std::size_t c = 0; c <= values; ++c) {
            const bool comment = c == values;
            const int column = comment ? ours.CommentColumn() : static_cast<int>(c);
            const std::string bText = comment ? b.comment : text(b, c);
            const std::string oText = comment ? o.comment : text(o, c);
            const std::string tText = comment ? t.comment : text(t, c);
            if (tText == bText || tText == oText) continue;
            const CellRef ref{oursSection, mine, column};
            // A value OURS's line lacks cannot be set there: a conflict.
            if (oText == bText && ours.HasCell(mine, column)) {
                plan_.cells.push_back({ref, tText, oursLine});
                continue;
            }
            AddConflict(MergeConflict::Kind::Field, {}, RowLabel(ours, mine), "", oursLine, bText, oText, tText);
            RowOfConflict(base, ref);
            plan_.conflicts.back().column = comment                       ? std::string("Comment")
                                            : column < ours.ValueColumns() ? ours.Headings()[c]
                                                                           : "Column " + std::to_string(c + 1);
        }
    }

    // The conflict just added is about a row of `section`, at `cell` in OURS.
    void RowOfConflict(const SectionTable& section, CellRef cell) {
        plan_.conflicts.back().otherSection = section.Name();
        plan_.conflicts.back().cell = cell;
    }

    void FreeLines() {
        for (int line = 0; line < base_.Lines().LineCount(); ++line) {
            if (theirs_.lines.toOther[At(line)] == LineAlignment::kRecord) continue;
            const int ours = ours_.fromBase[At(line)];
            const int theirs = theirs_.fromBase[At(line)];
            const std::string base = LineText(base_, line);
            if (theirs < 0) {
                if (ours < 0) continue;
                if (!ours_.changed[At(line)])
                    plan_.lines.push_back({MergeLineEdit::Kind::Remove, ours, {}});
                else
                    AddConflict(MergeConflict::Kind::Lines, {}, "",
                                "line removed in theirs, changed in ours", ours, base,
                                LineText(Ours(), ours), std::nullopt);
            } else if (theirs_.changed[At(line)]) {
                const std::string text = LineText(Theirs(), theirs);
                if (ours < 0)
                    AddConflict(MergeConflict::Kind::Lines, {}, "",
                                "line removed in ours, changed in theirs", -1, base,
                                std::nullopt, text);
                else if (!ours_.changed[At(line)])
                    plan_.lines.push_back({MergeLineEdit::Kind::Replace, ours, {text}});
                else if (LineText(Ours(), ours) != text)
                    AddConflict(MergeConflict::Kind::Lines, {}, "", "", ours, base,
                                LineText(Ours(), ours), text);
            }
        }
    }

    // Lines and records THEIRS added go where THEIRS has them: right after
    // OURS's counterpart of the line before them.
    void AddedLines() {
        const std::map<int, AddedRun> ours = AddedRuns(ours_);
        for (const auto& [anchor, run] : AddedRuns(theirs_)) {
            const auto mine = ours.find(anchor);
            if (mine != ours.end()) {
                if (mine->second.texts != run.texts) BothAdded(mine->second, run);
            } else if (anchor < 0 || ours_.fromBase[At(anchor)] >= 0) {
                plan_.lines.push_back({MergeLineEdit::Kind::InsertAfter,
                                       anchor < 0 ? -1 : ours_.fromBase[At(anchor)], run.texts});
            } else {
                AddConflict(MergeConflict::Kind::Lines, {}, "",
                            "lines added in theirs after a line removed in ours", -1,
                            std::nullopt, std::nullopt, Joined(run.texts));
            }
        }
    }

    // Both sides added something different at the same place: records at
    // the end of a table, say, which the game would take for the same one.
    void BothAdded(const AddedRun& mine, const AddedRun& theirs) {
        FieldRef ref;
        std::string label;
        std::string what = "lines added on both sides, differently";
        for (const SectionId section : kSections) {
            for (int record = 1; record <= RecordCount(Ours(), section); ++record) {
                if (RecordLine(Ours(), section, record) != mine.first) continue;
                ref = {section, record, 0};
                label = Label(Ours(), section, record);
                what = "added on both sides, differently";
            }
        }
        if (const OtherSections::Place row = Ours().Others().RowAt(mine.first); row.section >= 0) {
            label = RowLabel(Ours().Others().At(row.section), row.row);
            what = "added on both sides, differently";
        }
        AddConflict(MergeConflict::Kind::Lines, ref, label, what, mine.first, std::nullopt,
                    Joined(mine.texts), Joined(theirs.texts));
    }

    void AddConflict(MergeConflict::Kind kind, FieldRef ref, std::string label, std::string what,
                     int oursLine, std::optional<std::string> base,
                     std::optional<std::string> ours, std::optional<std::string> theirs) {
        plan_.conflicts.push_back({kind, ref, std::move(label), std::move(what), oursLine,
                                   std::move(base), std::move(ours), std::move(theirs), {}, {}, {}});
    }

    const RulesDocument& base_;
    Side ours_;
    Side theirs_;
    MergePlan plan_;
};

}  // namespace

int MergePlan::Changes() const {
    int changes = static_cast<int>(fields.size() + cells.size());
    for (const MergeLineEdit& edit : lines)
        changes += edit.kind == MergeLineEdit::Kind::InsertAfter ? static_cast<int>(edit.texts.size()) : 1;
    return changes;
}

MergePlan PlanMerge(const RulesDocument& base, const RulesDocument& ours,
                    const RulesDocument& theirs) {
    return Planner(base, ours, theirs).Run();
}

}  // namespace rules
