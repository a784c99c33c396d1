#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace ui {

// The start-up ended without a rules file: the editing pages say which
// folder was searched for which file (or why the file there could not be
// read), rather than show their controls' initial texts as if they were data.
void CoverWithNoRulesNotice(const QList<QWidget*>& pages, const QString& fileName);

}  // namespace ui
