#pragma once

#include "ui/record_page.h"

namespace rules {
class RulesDocument;
}

namespace ui {

class OutlineList;

// The advances: the list `OutAdvances`, the form of the advance on show, and
// the buttons that walk the tree of prerequisites.
class AdvancesPage : public RecordPage {
    Q_OBJECT
public:
    AdvancesPage(rules::RulesDocument& document, QWidget* parent = nullptr);

protected:
    int RecordCount() const override;
    std::string& RecordName(int number) override;
    void ShowRecord(int number) override;
    QString NameSeparators() const override { return QStringLiteral(",;"); }

private:
    rules::RulesDocument& document_;
};

}  // namespace ui
