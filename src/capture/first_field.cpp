#include "capture/first_field.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>

namespace orvant {

namespace {

constexpr int kEof = std::char_traits<char>::eof();

bool isLeadingSkip(int c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The get area of any stream, so that a field is searched and copied in bulk
// where the stream holds it in memory. The members are the stream's own
// protected ones, reached the one way the language allows from outside.
class GetArea : public std::streambuf
{
public:
    static const char *next(std::streambuf &in) { return (in.*&GetArea::gptr)(); }
    static const char *end(std::streambuf &in) { return (in.*&GetArea::egptr)(); }
    static void skip(std::streambuf &in, int n) { (in.*&GetArea::gbump)(n); }
};

// Characters before the first of `ends` in [text, text + n): each search
// stops where an earlier one found its character.
template<std::size_t Count>
std::size_t runBefore(const char *text, std::size_t n, const std::array<char, Count> &ends)
{
    for (const char end : ends) {
        if (const void *found = std::memchr(text, end, n))
            n = static_cast<std::size_t>(static_cast<const char *>(found) - text);
    }
    return n;
}

struct PlainFieldEnds
{
    static constexpr std::array<char, 3> kEnds = {',', '\r', '\n'};
    bool operator()(int c) const { return c == kEof || c == ',' || c == '\r' || c == '\n'; }
};

struct QuotedFieldEnds
{
    static constexpr std::array<char, 1> kEnds = {'"'};
    bool operator()(int c) const { return c == kEof || c == '"'; }
};

// Takes the field from c on until `ends` says so, at most keep characters. The
// text is written in place and cut back at the end: a capture has thousands.
// After each character the rest of the field the stream already holds is
// taken at once; the character that ends the field (or the first beyond keep)
// is always read on its own, so exactly as much is read as char by char.
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
        const char *held = GetArea::next(in);
        const auto heldCount = static_cast<std::size_t>(GetArea::end(in) - held);
        const std::size_t most = std::min({heldCount, keep - length, std::size_t {INT_MAX}});
        const std::size_t run = most == 0 ? 0 : runBefore(held, most, Ends::kEnds);
        if (run != 0) {
            std::memcpy(out + length, held, run);
            length += run;
            GetArea::skip(in, static_cast<int>(run));
        }
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
        takeField(in, in.sbumpc(), keep, QuotedFieldEnds {}, result);
    else
        takeField(in, c, keep, PlainFieldEnds {}, result);
    return result;
}

} // namespace orvant
