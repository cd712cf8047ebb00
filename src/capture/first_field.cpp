#include "capture/first_field.h"

namespace orvant {

namespace {

constexpr int kEof = std::char_traits<char>::eof();

bool isLeadingSkip(int c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool endsPlainField(int c)
{
    return c == kEof || c == ',' || c == '\r' || c == '\n';
}

} // namespace

FirstField readFirstField(std::streambuf &in, std::size_t keep)
{
    FirstField result;
    int c = in.sbumpc();
    while (isLeadingSkip(c))
        c = in.sbumpc();
    if (c == kEof)
        return result;
    result.found = true;

    const bool quoted = c == '"';
    if (quoted)
        c = in.sbumpc();
    result.text.reserve(keep);
    while (quoted ? (c != kEof && c != '"') : !endsPlainField(c)) {
        if (result.text.size() == keep) {
            result.longer = true;
            break;
        }
        result.text.push_back(static_cast<char>(c));
        c = in.sbumpc();
    }
    return result;
}

} // namespace orvant
