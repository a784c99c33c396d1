#include "rules/journal/journal_replay.h"

namespace rules {

ReplayedStack Replay(const std::vector<JournalEntry>& entries) {
    ReplayedStack stack;
    auto& steps = stack.steps;
    for (const JournalEntry& e : entries) {
        switch (e.kind) {
            case JournalEntry::Kind::Push:
            case JournalEntry::Kind::Replace: {
                // A new step ends whatever could have been redone.
                steps.resize(static_cast<std::size_t>(stack.done));
                ReplayedStep step;
                step.replace = e.kind == JournalEntry::Kind::Replace;
                step.text = e.text;
                step.plan = e.plan;
                step.undo = e.undo;
                step.content = e.content;
                step.beforeDigest = e.beforeDigest;
                step.beforeSize = e.beforeSize;
                steps.push_back(std::move(step));
                ++stack.done;
                break;
            }
            case JournalEntry::Kind::Undo:
                if (stack.done > 0) --stack.done;
                break;
            case JournalEntry::Kind::Redo:
                if (stack.done < static_cast<int>(steps.size())) ++stack.done;
                break;
            case JournalEntry::Kind::Fold: {
                // A keystroke folds into the step typed before it: that step
                // now sets the field to the keystroke's value, and still
                // undoes to what was there before the typing began.
                if (stack.done < 2) break;
                ReplayedStep& below = steps[static_cast<std::size_t>(stack.done - 2)];
                const ReplayedStep& top = steps[static_cast<std::size_t>(stack.done - 1)];
                if (below.replace || top.replace || below.plan.edits.size() != 1 ||
                    top.plan.edits.size() != 1 || !(below.plan.edits[0].ref == top.plan.edits[0].ref))
                    break;
                below.plan.edits[0].value = top.plan.edits[0].value;
                steps.erase(steps.begin() + (stack.done - 1));
                --stack.done;
                break;
            }
            case JournalEntry::Kind::Drop:
                if (stack.done == 0) break;
                steps.erase(steps.begin() + (stack.done - 1));
                --stack.done;
                break;
        }
    }
    return stack;
}

}  // namespace rules
