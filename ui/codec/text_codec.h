#pragma once

#include <QString>
#include <QValidator>
#include <optional>
#include <string>
#include <string_view>

namespace ui {

// The file's bytes are Windows-1252; everything the user sees or types goes
// through these two conversions and nothing else.
QString ToDisplay(std::string_view bytes);
// Nothing when the text holds a character that has no Windows-1252 byte.
std::optional<std::string> FromDisplay(const QString& text);

// Refuses, keystroke by keystroke, text that the file could not hold: any
// character without a Windows-1252 byte, and the given separator characters
// (which would split the line into other fields when the file is read again).
class FileTextValidator : public QValidator {
    Q_OBJECT
public:
    explicit FileTextValidator(QString forbidden, QObject* parent = nullptr);
    State validate(QString& input, int& pos) const override;
    // Why `text` would be refused, or an empty string when it is fine.
    QString Problem(const QString& text) const;

private:
    QString forbidden_;
};

}  // namespace ui
