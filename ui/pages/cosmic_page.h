#pragma once

#include <QList>
#include <QWidget>
#include <array>

#include "rules/document/cosmic_section.h"
#include "ui/widgets/made_when_shown.h"

class QLineEdit;

namespace ui {

class DocumentEditor;

// The 21 global constants, each in its own edit field beside a fixed English
// description. Every change of a field is a step on the editor's undo stack
// (typing into one field is one step until the focus leaves it); the fields
// show the cosmic section of the document and follow its changes.
class CosmicPage : public MadeWhenShown<QWidget> {
    Q_OBJECT
public:
    explicit CosmicPage(DocumentEditor& editor, QWidget* parent = nullptr);

    // Shows the values of the document's cosmic section (the positions that
    // were not read hold their own names, as the fields do at creation).
    void ShowValues();

    QLineEdit* Field(int position) {
        EnsureBuilt();
        return fields_.at(position);
    }

protected:
    // The fields are made when the page is first shown or asked for, and
    // then show the tables as they are.
    void Build() override;

private:
    void ValuesChanged(const QList<int>& records);

    DocumentEditor& editor_;
    std::array<QLineEdit*, rules::kCosmicCount> fields_{};
    bool storing_ = false;  // a field is handing its text to the editor
};

}  // namespace ui
