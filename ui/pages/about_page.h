#pragma once

#include <QWidget>

namespace ui {

// Title, notices and the note to the maker. Nothing here is saved.
class AboutPage : public QWidget {
    Q_OBJECT
public:
    explicit AboutPage(QWidget* parent = nullptr);

    static QStringList NoticeLines();
    static QStringList PostCardLines();
};

}  // namespace ui
