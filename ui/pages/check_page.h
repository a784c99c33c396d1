#pragma once

#include <QWidget>

#include "rules/check/problem.h"

class QListWidget;
class QListWidgetItem;

namespace ui {

// The problems of the tables as they are now, errors first, each with its
// severity icon, its record and its sentence. A double-click or Enter on a
// problem asks for its record to be shown.
class CheckPage : public QWidget {
    Q_OBJECT
public:
    explicit CheckPage(QWidget* parent = nullptr);

    void ShowProblems(rules::Problems problems);
    const rules::Problems& Problems() const { return problems_; }
    // "Check (3)", or "Check" when there is nothing to report.
    QString Caption() const;

signals:
    // The user asked for the record of this problem (see rules::Problem).
    void ProblemActivated(rules::SectionId section, int record, int line);

private:
    void Activate(QListWidgetItem* item);
    void ShowNote(const QString& text);

    QListWidget* list_ = nullptr;
    rules::Problems problems_;
    bool checked_ = false;  // a check ran; until then the list says nothing was loaded
};

}  // namespace ui
