#include "viewer/list_row_text.h"

namespace orvant {

QChar displayCharacter(unsigned char byte)
{
    if (byte < 32)
        return QChar(char16_t(0x2400 + byte)); // control pictures
    if (byte == 127)
        return QChar(char16_t(0x2421)); // symbol for delete
    if (byte >= 128 && byte < 160)
        return QChar(char16_t(0x2460 + (byte - 128))); // circled numbers
    return QChar(char16_t(byte));
}

QString displayText(std::string_view bytes)
{
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        text[static_cast<qsizetype>(i)] = displayCharacter(static_cast<unsigned char>(bytes[i]));
    return text;
}

} // namespace orvant
