#include "ui/advances_page.h"

#include "rules/rules_document.h"
#include "ui/outline_list.h"

namespace ui {

AdvancesPage::AdvancesPage(rules::RulesDocument& document, QWidget* parent)
    : RecordPage(parent), document_(document) {
    auto* outline = new OutlineList(this);
    outline->setObjectName(QStringLiteral("OutAdvances"));
    outline->setGeometry(8, 8, 153, 497);
    outline->setToolTip(QStringLiteral("Double-click or press <Enter> to edit name"));
    AttachOutline(outline);
}

int AdvancesPage::RecordCount() const { return document_.Advances().Count(); }

std::string& AdvancesPage::RecordName(int number) { return document_.Advances().At(number).name; }

void AdvancesPage::ShowRecord(int) {}

}  // namespace ui
