#pragma once

#include <QWidget>
#include <array>

#include "rules/document/cosmic_section.h"

class QLineEdit;

namespace rules {
class CosmicSection;
}

namespace ui {

// The 21 global constants, each in its own edit field beside a fixed English
// description. The values stay in the fields until the user saves.
class CosmicPage : public QWidget {
    Q_OBJECT
public:
    explicit CosmicPage(QWidget* parent = nullptr);

    // Puts the values that were read into the fields of the positions that
    // were read; the others keep what they hold.
    void ShowValues(const rules::CosmicSection& cosmic);
    // Copies the fields back into the section before saving. Fields hold only
    // text the file can take (the validator refuses anything else).
    void StoreValues(rules::CosmicSection& cosmic) const;

    QLineEdit* Field(int position) const { return fields_.at(position); }

signals:
    // The user changed the text of a field.
    void ValueEdited(int position);

private:
    std::array<QLineEdit*, rules::kCosmicCount> fields_{};
};

}  // namespace ui
