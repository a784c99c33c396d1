#pragma once

#include "rules/document/findings.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

#include "ui/language/translated_text.h"

namespace ui {

// A captioned group of radio items laid out in columns. The program sets the
// selected item by index without it counting as the user's choice; the user's
// choices are reported as IndexChosen.
// The words of a choice field as a group's items, in value order.
// They follow the language, as the Table page's headings do.
QList<Caption> ChoiceItems(rules::SectionId section, int field);

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& caption, const QStringList& items, int columns,
               QWidget* parent = nullptr);
    // The same with a caption and items that follow the language.
    RadioGroup(Caption caption, const QList<Caption>& items, int columns,
               QWidget* parent = nullptr);

    // An index above the last item selects the last; below 0 selects none.
    void SetIndex(int index);
    // -1 when nothing is selected.
    int Index() const;
    int ItemCount() const;


signals:
    void IndexChosen(int index);

private:
    QButtonGroup* group_;
};

}  // namespace ui
