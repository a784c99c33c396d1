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

}  // namespace ui
