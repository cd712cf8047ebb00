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

bool endsQuotedField(int c)
{
    return c == kEof || c == '"';
}

// Takes the field from c on until `ends` says so, at most keep characters. The
// text is written in place and cut back at the end: a capture has thousands.
template<typename Ends>
void takeField(std::streambuf &in, int c, std::size_t keep, Ends ends, FirstField &result)
{
    result.text.resize(keep);
    char *const out = result.text.data();
    std::size_t length = 0;
    for (; !ends(c); c = in.sbumpc()) {
        if (length == keep) {
            result.longer = true;
            break;
        }
        out[length++] = static_cast<char>(c);
    }
    result.text.resize(length);
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

    if (c == '"')
        takeField(
            in, in.sbumpc(), keep, [](int ch) { return endsQuotedField(ch); }, result);
    else
        takeField(
            in, c, keep, [](int ch) { return endsPlainField(ch); }, result);
    return result;
}

} // namespace orvant
