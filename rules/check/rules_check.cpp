#include "rules/check/rules_check.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <string_view>
#include <tuple>
#include <unordered_map>

#include "rules/check/check_context.h"
#include "rules/check/written_numbers.h"
#include "rules/document/cp1252.h"
#include "rules/document/record_fields.h"

namespace rules {

namespace {

using namespace check_detail;

constexpr int AdvanceFieldIndex(AdvanceField field) { return static_cast<int>(field); }
constexpr int UnitFieldIndex(UnitField field) { return static_cast<int>(field); }

class Checker {
  public:
    Checker(const RulesDocument& document, const CheckChoice& choice)
        : document_(document),
          choice_(choice),
          context_(document),
          advances_(context_.advances),
          units_(context_.units),
          links_(context_.links),
          circleProblem_(links_.Circles().size(), 0),
          circleNotes_(links_.Circles().size()) {}

    // The three parts of the check, each kept apart so that a caller can
    // check again only the part an edit touched (CheckState): each comes
    // filtered by the choice and in the check's order, and the parts merged
    // in this order give the whole check's order.
    Problems SetAsideLines() {
        CheckFindings();
        return Finish();
    }
    Problems Tables() {
        CheckCosmicValues(context_);
        CheckAdvances();
        CheckUnits();
        CheckBalance(context_, choice_.IsOn("redundant-prerequisite"));
        AttachNotes();
        return Finish();
    }
    Problems OtherSection(int section) {
        CheckOtherSection(context_, section);
        return Finish();
    }

  private:
    // Takes the problems found so far: those the choice leaves on, errors
    // first, each severity in file order.
    Problems Finish() {
        Problems problems;
        problems.reserve(context_.problems.size());
        for (Problem& problem : context_.problems) {
            if (!choice_.IsOn(problem.check)) continue;
            std::erase_if(problem.notes,
                          [this](const Problem& note) { return !choice_.IsOn(note.check); });
            problems.push_back(std::move(problem));
        }
        context_.problems.clear();
        std::stable_sort(problems.begin(), problems.end(), ProblemBefore);
        return problems;
    }

    void Add(Severity severity, const char* check, SectionId section, int record, int line,
             std::string text, int field = -1) {
        context_.Add(severity, check, section, record, line, std::move(text), field);
    }
    void AdvanceProblem(Severity severity, const char* check, int k, std::string text,
                        AdvanceField field) {
        context_.AdvanceProblem(severity, check, k, std::move(text), AdvanceFieldIndex(field));
    }
    void UnitProblem(Severity severity, const char* check, int k, std::string text,
                     UnitField field) {
        context_.UnitProblem(severity, check, k, std::move(text), UnitFieldIndex(field));
    }

    // Lines set aside alike one after the other are one problem, at the
    // first of them: a units section of thousands of lines beyond the
    // table's room would otherwise bury every other problem (and take more
    // memory than the file). Lines beyond the room are alike wherever they
    // stand; other lines only when they follow each other.
    void CheckFindings() {
        const Findings& findings = document_.GetFindings();
        for (std::size_t k = 0; k < findings.size();) {
            const Finding& first = findings[k];
            std::size_t end = k + 1;
            while (first.line >= 0 && end < findings.size() && findings[end].kind == first.kind &&
                   findings[end].section == first.section &&
                   (first.kind == Finding::Kind::OverCapacity ||
                    findings[end].line == findings[end - 1].line + 1))
                ++end;
            std::string text = std::string(SectionHeader(first.section)) + " section: ";
            if (end - k > 1)
                text += std::to_string(end - k) + " lines from line " + std::to_string(first.line + 1) +
                        " to line " + std::to_string(findings[end - 1].line + 1) + ": ";
            Add(Severity::Warning, "set-aside-line", first.section, 0, first.line,
                text + FindingReason(first, end - k) + ".");
            k = end;
        }
    }

    // Each cosmic value as its line holds it ("x3", where the reader kept
    // the 3), within its own range.
    // The numeric fields of record k: each warned about when it is not a
    // plain number or lies outside the range the editor offers.
    // `asWritten`: a unit's fields as its line holds them, where the line
    // still holds what the table does (the reader keeps a number's digits,
    // so "7x" reads as 7: the warning names what the line says).
    void CheckNumbers(SectionId section, int k, int line,
                      const std::function<std::string()>& subject,
                      const UnitRecord* asWritten = nullptr) {
        for (const ColumnInfo& info : ColumnInfos(section)) {
            if (!info.IsNumeric()) continue;
            const std::string& text = asWritten ? asWritten->*info.unitMember
                                                : FieldText(document_, {section, k, info.field});
            const std::optional<long> value = PlainNumber(text, info.MinusAllowed());
            if (value && *value >= info.range.minimum && *value <= info.range.maximum) continue;
            const std::string label(info.label);
            if (!value) {
                Add(Severity::Warning, "not-a-number", section, k, line,
                    text.empty() ? subject() + ": " + label + " is empty."
                                 : subject() + ": " + label + " " + Quoted(text) +
                                       " is not a plain number.",
                    info.field);
            } else {
                Add(Severity::Warning, "out-of-range", section, k, line,
                    subject() + ": " + label + " " + std::to_string(*value) + " is outside " +
                        std::to_string(info.range.minimum) + " to " +
                        std::to_string(info.range.maximum) + ", the range the editor offers.",
                    info.field);
            }
        }
    }

    void CheckAdvances() {
        std::unordered_map<std::string_view, int> byName;
        byName.reserve(static_cast<std::size_t>(advances_.Count()));
        for (int k = 1; k <= advances_.Count(); ++k) {
            const AdvanceRecord& a = advances_.At(k);
            // Sentences are only composed for problems found: most records have none.
            const auto subject = [&] { return "Advance " + AdvanceLabel(a); };

            for (auto [text, which, field] :
                 {std::tuple{&a.prereq1, "first", AdvanceField::Prereq1},
                  {&a.prereq2, "second", AdvanceField::Prereq2}}) {
                if (!IsNoAdvance(*text) && links_.Lookup(*text) == 0)
                    AdvanceProblem(Severity::Error, "unknown-advance", k,
                                   subject() + ": its " + which + " prerequisite " + Quoted(*text) +
                                       " is neither \"nil\" nor the abbreviation of an advance.",
                                   field);
            }
            if (IsNoAdvance(a.abbrev))
                // Shared with "no advance" itself, which every look-up takes it for.
                AdvanceProblem(Severity::Error, "shared-abbreviation", k,
                               subject() + " has the abbreviation " + Quoted(a.abbrev) +
                                   ", which every look-up takes for no advance, so this one can "
                                   "never be required.",
                               AdvanceField::Abbrev);
            if (const int first = links_.Lookup(a.abbrev); first != 0 && first != k) {
                AdvanceProblem(Severity::Error, "shared-abbreviation", k,
                               subject() + " has the same abbreviation as advance " +
                                   AdvanceLabel(advances_.At(first)) +
                                   ", which every look-up finds first, so this one can never "
                                   "be required.",
                               AdvanceField::Abbrev);
                context_.problems.back().other = first;
            }
            if (const auto [it, fresh] = byName.emplace(a.name, k); !fresh) {
                AdvanceProblem(Severity::Warning, "same-name", k,
                               subject() + " has the same name as advance " +
                                   AdvanceLabel(advances_.At(it->second)) +
                                   ", which choices by name take first.",
                               AdvanceField::Name);
                context_.problems.back().other = it->second;
            }

            CheckNumbers(SectionId::Advances, k, a.line, subject);
            const auto epoch = PlainNumber(a.epoch);
            if (epoch && *epoch >= 0 && *epoch < kEpochCount) CheckLaterEpoch(k, *epoch, subject);
        }
        CheckCircles();
    }

    void CheckLaterEpoch(int k, long epoch, const std::function<std::string()>& subject) {
        for (int p : links_.Needs(k)) {
            const auto other = PlainNumber(advances_.At(p).epoch);
            if (!other || *other <= epoch || *other >= kEpochCount) continue;
            AdvanceProblem(Severity::Warning, "later-epoch", k,
                           subject() + ", of the " + EpochName(static_cast<int>(epoch)) +
                               " epoch, needs " + AdvanceLabel(advances_.At(p)) + " of the later " +
                               EpochName(static_cast<int>(*other)) + " epoch.",
                           AdvanceField::Epoch);
        }
    }

    std::string CircleText(int index) const {
        return PrerequisiteLinks::Describe(advances_,
                                           links_.Circles()[static_cast<std::size_t>(index)]);
    }

    // The prerequisite of the circle's first advance that leads back into
    // the circle: setting it to "nil" opens the circle there.
    AdvanceField ClosingLink(const PrerequisiteCircle& circle) const {
        const int start = circle.path.front();
        const int next = circle.path.size() > 1 ? circle.path[1] : start;
        return links_.Lookup(advances_.At(start).prereq1) == next ? AdvanceField::Prereq1
                                                                  : AdvanceField::Prereq2;
    }

    void CheckCircles() {
        for (std::size_t c = 0; c < links_.Circles().size(); ++c) {
            const PrerequisiteCircle& circle = links_.Circles()[c];
            const int start = circle.path.front();
            std::string text = "Advance " + AdvanceLabel(advances_.At(start)) +
                               " needs itself through a circle of prerequisites, " +
                               CircleText(static_cast<int>(c));
            std::string others;
            for (int m : circle.members) {
                if (std::find(circle.path.begin(), circle.path.end(), m) != circle.path.end())
                    continue;
                others += (others.empty() ? "" : ", ") + AdvanceLabel(advances_.At(m));
            }
            if (!others.empty()) text += ", which also catches " + others;
            text += "; no advance caught in it can ever be invented.";
            circleProblem_[c] = context_.problems.size();
            AdvanceProblem(Severity::Error, "prerequisite-circle", start, std::move(text),
                           ClosingLink(circle));
        }
        for (int k : links_.NeverAvailable())
            AddCircleNote(links_.BlockingCircleOf(k), SectionId::Advances, k,
                          advances_.At(k).line, "never-invented",
                          "Advance " + AdvanceLabel(advances_.At(k)) +
                              " can never be invented: it needs an advance of the circle " +
                              CircleText(links_.BlockingCircleOf(k)) + ".");
    }

    // A consequence of circle `circle`, shown with it rather than on its own.
    void AddCircleNote(int circle, SectionId section, int record, int line, const char* check,
                       std::string text) {
        Problem note;
        note.severity = Severity::Note;
        note.section = section;
        note.record = record;
        note.line = line;
        note.text = std::move(text);
        note.check = check;
        circleNotes_[static_cast<std::size_t>(circle)].push_back(std::move(note));
    }

    void AttachNotes() {
        for (std::size_t c = 0; c < circleNotes_.size(); ++c) {
            Problems& notes = circleNotes_[c];
            std::stable_sort(notes.begin(), notes.end(),
                             [](const Problem& a, const Problem& b) { return a.line < b.line; });
            context_.problems[circleProblem_[c]].notes = std::move(notes);
        }
    }

    void CheckUnits() {
        std::unordered_map<std::string_view, int> byName;
        byName.reserve(static_cast<std::size_t>(units_.Count()));
        for (int k = 1; k <= units_.Count(); ++k) {
            const UnitRecord& u = units_.At(k);
            const auto subject = [&] { return "Unit " + Quoted(u.name); };
            const int line = u.line;

            const int obsolete = links_.Lookup(u.obsoleteBy);
            const int prereq = links_.Lookup(u.prereq);
            if (!IsNoAdvance(u.obsoleteBy) && obsolete == 0)
                UnitProblem(Severity::Error, "unknown-advance", k,
                            subject() + ": the advance that makes it obsolete, " +
                                Quoted(u.obsoleteBy) +
                                ", is neither \"nil\" nor the abbreviation of an advance.",
                            UnitField::ObsoleteBy);
            if (!IsNoAdvance(u.prereq) && prereq == 0)
                UnitProblem(Severity::Error, "unknown-advance", k,
                            subject() + ": its prerequisite " + Quoted(u.prereq) +
                                " is neither \"nil\" nor the abbreviation of an advance.",
                            UnitField::Prereq);

            if (const auto [it, fresh] = byName.emplace(u.name, k); !fresh) {
                UnitProblem(Severity::Warning, "same-name", k,
                            subject() + " (unit " + std::to_string(k) +
                                ") has the same name as unit " + std::to_string(it->second) +
                                "; the two cannot be told apart by name.",
                            UnitField::Name);
                context_.problems.back().other = it->second;
            }

            UnitRecord written;
            const std::string_view lineText =
                line >= 0 ? document_.Lines().GetLine(line) : std::string_view();
            const bool asRead = !units_.Changed(k) && line >= 0 &&
                                HoldsMoreThanRead(lineText, units_.SavedLayout(k)) &&
                                UnitTable::ParseLineAsWritten(lineText, written);
            CheckNumbers(SectionId::Units, k, line, subject, asRead ? &written : nullptr);
            const std::string& flags = asRead ? written.flags : u.flags;
            if (!WellFormedFlags(flags))
                UnitProblem(Severity::Warning, "bad-flags", k,
                            subject() + ": flags " + Quoted(flags) +
                                " are not exactly 15 characters of \"0\" and \"1\".",
                            UnitField::Flags);

            if (prereq != 0)
                CheckBuildable(k, subject, prereq, obsolete);
            else if (u.prereq == kUnreachableAdvance)
                UnitProblem(Severity::Warning, "never-built", k,
                            subject() + " can never be built: its prerequisite \"no\" is an "
                                        "advance no one can reach.",
                            UnitField::Prereq);
        }
    }

    void CheckBuildable(int k, const std::function<std::string()>& subject, int prereq,
                        int obsolete) {
        const AdvanceRecord& needs = advances_.At(prereq);
        if (!links_.CanBeInvented(prereq)) {
            const int circle = links_.CircleOf(prereq) >= 0 ? links_.CircleOf(prereq)
                                                            : links_.BlockingCircleOf(prereq);
            AddCircleNote(circle, SectionId::Units, k, units_.At(k).line, "never-built",
                          subject() + " can never be built: its prerequisite " +
                              AdvanceLabel(needs) + " can never be invented.");
        } else if (obsolete == prereq) {
            UnitProblem(Severity::Warning, "never-built", k,
                        subject() +
                            " can never be built: it is made obsolete by its own "
                            "prerequisite, " +
                            AdvanceLabel(needs) + ".",
                        UnitField::ObsoleteBy);
        } else if (obsolete != 0 &&
                   context_.Needed(prereq).test(static_cast<std::size_t>(obsolete))) {
            UnitProblem(Severity::Warning, "never-built", k,
                        subject() + " can never be built: it is made obsolete by " +
                            AdvanceLabel(advances_.At(obsolete)) + ", which its prerequisite " +
                            AdvanceLabel(needs) + " needs.",
                        UnitField::ObsoleteBy);
        }
    }

    const RulesDocument& document_;
    const CheckChoice& choice_;
    CheckContext context_;
    const AdvanceTable& advances_;
    const UnitTable& units_;
    const PrerequisiteLinks& links_;
    // For each circle, the index of its problem and the notes waiting on it.
    std::vector<std::size_t> circleProblem_;
    std::vector<Problems> circleNotes_;
};

}  // namespace

CheckParts CheckRuleParts(const RulesDocument& document, const CheckChoice& choice,
                          const PartsWanted& wanted) {
    Checker checker(document, choice);
    CheckParts parts;
    if (wanted.setAside) parts.setAside = checker.SetAsideLines();
    if (wanted.tables) parts.tables = checker.Tables();
    for (int s : wanted.sections) parts.sections.emplace_back(s, checker.OtherSection(s));
    return parts;
}

Problems CheckRules(const RulesDocument& document, const CheckChoice& choice) {
    PartsWanted all;
    all.setAside = all.tables = true;
    for (int s = 0; s < document.Others().Count(); ++s) all.sections.push_back(s);
    CheckParts parts = CheckRuleParts(document, choice, all);
    Problems others;
    for (auto& [s, problems] : parts.sections) others = MergeParts({&others, &problems});
    return MergeParts({&parts.setAside, &parts.tables, &others});
}

}  // namespace rules
