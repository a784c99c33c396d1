#include "ui/units_page.h"

#include "rules/rules_document.h"
#include "ui/outline_list.h"

namespace ui {

UnitsPage::UnitsPage(rules::RulesDocument& document, QWidget* parent)
    : RecordPage(parent), document_(document) {
    auto* outline = new OutlineList(this);
    outline->setObjectName(QStringLiteral("OutUnit"));
    outline->setGeometry(8, 8, 153, 505);
    outline->setToolTip(QStringLiteral("Double-click or press <Enter> to edit name"));
    AttachOutline(outline);
}

int UnitsPage::RecordCount() const { return document_.Units().Count(); }

std::string& UnitsPage::RecordName(int number) { return document_.Units().At(number).name; }

void UnitsPage::ShowRecord(int) {}

}  // namespace ui
