#include "ui/codec/text_codec.h"

#include "rules/document/cp1252.h"

namespace ui {

QString ToDisplay(std::string_view bytes) {
    const std::string utf8 = rules::Cp1252ToUtf8(bytes);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::optional<std::string> FromDisplay(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return rules::Utf8ToCp1252(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}

FileTextValidator::FileTextValidator(QString forbidden, QObject* parent)
    : QValidator(parent), forbidden_(std::move(forbidden)) {}

QValidator::State FileTextValidator::validate(QString& input, int&) const {
    return Problem(input).isEmpty() ? Acceptable : Invalid;
}

QString FileTextValidator::Problem(const QString& text) const {
    // Every value lives on one line of the file.
    if (text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))) {
        return QStringLiteral("A line break cannot be part of this text.");
    }
    for (const QChar c : forbidden_) {
        if (text.contains(c)) {
            return QStringLiteral("The character \"%1\" separates the fields of the rules file, so it cannot be part of this text.").arg(c);
        }
    }
    if (!FromDisplay(text)) {
        return QStringLiteral("The text holds a character that the rules file cannot store (it is written in the Windows-1252 character set).");
    }
    return {};
}

}  // namespace ui
