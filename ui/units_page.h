#pragma once

#include "ui/record_page.h"

namespace rules {
class RulesDocument;
}

namespace ui {

class OutlineList;

// The unit types: the list `OutUnit` and the form of the unit on show.
class UnitsPage : public RecordPage {
    Q_OBJECT
public:
    UnitsPage(rules::RulesDocument& document, QWidget* parent = nullptr);

protected:
    int RecordCount() const override;
    std::string& RecordName(int number) override;
    void ShowRecord(int number) override;
    QString NameSeparators() const override { return QStringLiteral(","); }

private:
    rules::RulesDocument& document_;
};

}  // namespace ui
