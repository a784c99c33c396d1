#include "ui/dialogs/rename_prompt.h"

#include <QMessageBox>

#include "ui/dialogs/message_boxes.h"
#include "ui/dialogs/rename_form.h"
#include "rules/document/record_fields.h"
#include "ui/codec/text_codec.h"
#include "ui/edit/typed_value.h"

namespace ui {

std::optional<std::string> AskForNewName(TRenameForm& form, QWidget* parent,
                                         const rules::RulesDocument& document,
                                         const rules::FieldRef& ref) {
    const QString current = ToDisplay(rules::FieldText(document, ref));
    form.SetNewName(current);
    form.ShowModal();
    if (!form.RenameAccepted()) return std::nullopt;

    const QString typed = form.NewNameText();
    rules::ParsedValue name = ReadTypedValue(document, ref, typed);
    if (!name.problem.empty()) {
        QMessageBox box(QMessageBox::Warning, ApplicationTitle(),
                        QStringLiteral("The name \"%1\" cannot be used. %2\nThe name stays \"%3\".")
                            .arg(typed, QString::fromStdString(name.problem), current),
                        QMessageBox::Ok, parent);
        box.setObjectName(QStringLiteral("RenameRefusedBox"));
        box.exec();
        return std::nullopt;
    }
    return std::move(name.stored);
}

}  // namespace ui
