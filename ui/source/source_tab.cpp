#include "ui/source/source_tab.h"

#include <QTabWidget>

#include "ui/main_form.h"
#include "ui/page_room.h"
#include "ui/pages/check_page.h"
#include "ui/source/source_page.h"

namespace ui {

SourcePage* AddSourcePage(TMainForm& window, QTabWidget& pages, CheckPage& check) {
    auto* page = new SourcePage(window.Editor(), check);
    page->setObjectName(QStringLiteral("SourcePage"));
    pages.addTab(page, QString());  // titled with the other pages
    MarkRoomy(page);
    QObject::connect(page, &SourcePage::RecordActivated, &window, &TMainForm::GoToRecord);
    QObject::connect(page, &SourcePage::CellActivated, &window, &TMainForm::GoToCell);
    QObject::connect(&check, &CheckPage::ShowInSource, page,
                     [&pages, page](rules::SectionId section, int record, int line) {
                         pages.setCurrentWidget(page);
                         page->ShowProblem(section, record, line);
                     });
    return page;
}

}  // namespace ui
