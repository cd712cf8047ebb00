#include "capture/first_field.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <sstream>
#include <string>

namespace orvant {
namespace {

FirstField readText(const std::string &content, std::size_t keep = 2110)
{
    std::stringbuf in(content);
    return readFirstField(in, keep);
}

struct FieldCase
{
    const char *name;
    std::string content;
    std::string field;
};

TEST(FirstField, FieldRule)
{
    const FieldCase cases[] = {
        {"comma ends the field", "3031,3233\r\n4041", "3031"},
        {"CR ends the field", "3031\r3233", "3031"},
        {"LF ends the field", "3031\n3233", "3031"},
        {"end of file ends the field", "3031", "3031"},
        {"blank lines before the field", "\r\n\n\r\n  \t\r\n3031\r\n", "3031"},
        {"blanks and tabs inside are kept", "  30 31\t32 ,33", "30 31\t32 "},
        {"quotes taken off", "\"3031\"\r\n", "3031"},
        {"quoted field runs over comma and line ends", "\"30,31\r\n32\",33", "30,31\r\n32"},
        {"text after the closing quote ignored", "\"30\"31,32", "30"},
        {"blanks before a quoted field", " \t\r\n\"30\"", "30"},
        {"unclosed quote runs to the end", "\"3031\r\n", "3031\r\n"},
        {"quote inside a plain field is a character", "30\"31\",32", "30\"31\""},
        {"eight-bit characters and NUL kept", std::string("\xEF\xBB\xBF\x00\xFF,", 6),
         std::string("\xEF\xBB\xBF\x00\xFF", 5)},
        {"UTF-16 gives the bytes it holds", std::string("\xFF\xFE\x33\x00\x30\x00\r\x00\n", 9),
         std::string("\xFF\xFE\x33\x00\x30\x00", 6)},
    };
    for (const auto &c : cases) {
        const FirstField field = readText(c.content);
        EXPECT_TRUE(field.found) << c.name;
        EXPECT_EQ(field.text, c.field) << c.name;
        EXPECT_FALSE(field.longer) << c.name;
    }
}

TEST(FirstField, EmptyFieldIsAFieldButNothingIsNone)
{
    for (const std::string content : {",3031", "\"\"", "\"\",3031", "\r\n,3031", "  ,"}) {
        const FirstField field = readText(content);
        EXPECT_TRUE(field.found) << content;
        EXPECT_EQ(field.text, "") << content;
    }
    for (const std::string content : {"", " ", "\t", "\r\n", "\n\n\n", " \t\r\n \r\n\t"}) {
        const FirstField field = readText(content);
        EXPECT_FALSE(field.found) << content;
        EXPECT_EQ(field.text, "") << content;
    }
}

TEST(FirstField, KeepsAtMostKeepCharacters)
{
    const std::string exact(2110, 'A');
    const FirstField fits = readText(exact + "\r\n");
    EXPECT_EQ(fits.text, exact);
    EXPECT_FALSE(fits.longer);

    const FirstField cut = readText(std::string(1000, '1') + std::string(2000, '2'));
    EXPECT_EQ(cut.text, std::string(1000, '1') + std::string(1110, '2'));
    EXPECT_TRUE(cut.longer);

    const FirstField quoted = readText("\"" + std::string(2111, 'B') + "\"");
    EXPECT_EQ(quoted.text, std::string(2110, 'B'));
    EXPECT_TRUE(quoted.longer);

    EXPECT_EQ(readText("abcdefgh", 3).text, "abc");
    EXPECT_TRUE(readText("abcdefgh", 3).longer);
    EXPECT_FALSE(readText("abc,defgh", 3).longer);
}

// An endless source that counts what the reader takes from it: what it handed
// out minus what still waits in its buffer.
class EndlessSource : public std::streambuf
{
public:
    explicit EndlessSource(std::function<char(std::size_t)> generate)
        : generate_(std::move(generate))
    {
    }

    std::size_t consumed() const { return produced_ - static_cast<std::size_t>(egptr() - gptr()); }

protected:
    int_type underflow() override
    {
        for (char &c : buffer_)
            c = generate_(produced_++);
        setg(buffer_.data(), buffer_.data(), buffer_.data() + buffer_.size());
        return traits_type::to_int_type(buffer_[0]);
    }

private:
    std::function<char(std::size_t)> generate_;
    std::array<char, 256> buffer_ {};
    std::size_t produced_ = 0;
};

// The reader may stop on the first character beyond the kept ones or just
// before it; never later.
void expectStoppedAfter(const EndlessSource &source, std::size_t taken)
{
    EXPECT_GE(source.consumed(), taken);
    EXPECT_LE(source.consumed(), taken + 1);
}

TEST(FirstField, EndlessLineStopsAfterTheKeptCharacters)
{
    EndlessSource line([](std::size_t i) { return "0123456789ABCDEF"[i % 16]; });
    const FirstField field = readFirstField(line, 2110);
    EXPECT_EQ(field.text.size(), 2110u);
    EXPECT_EQ(field.text.substr(0, 18), "0123456789ABCDEF01");
    EXPECT_TRUE(field.longer);
    expectStoppedAfter(line, 2110);

    EndlessSource quoted([](std::size_t i) { return i == 0 ? '"' : ','; });
    const FirstField quotedField = readFirstField(quoted, 50);
    EXPECT_EQ(quotedField.text, std::string(50, ','));
    expectStoppedAfter(quoted, 1 + 50);
}

TEST(FirstField, LongRunOfBlankLinesIsPassedOverThenTheFieldIsBounded)
{
    constexpr std::size_t blanks = 3 * 1024 * 1024;
    EndlessSource source([](std::size_t i) { return i < blanks ? "\r\n \t"[i % 4] : '7'; });
    const FirstField field = readFirstField(source, 2110);
    EXPECT_EQ(field.text, std::string(2110, '7'));
    EXPECT_TRUE(field.longer);
    expectStoppedAfter(source, blanks + 2110);
}

TEST(FirstField, StopsAtTheEndOfTheField)
{
    EndlessSource source([](std::size_t i) { return i < 5 ? "3031,"[i] : 'X'; });
    EXPECT_EQ(readFirstField(source, 2110).text, "3031");
    EXPECT_EQ(source.consumed(), 5u);
}

} // namespace
} // namespace orvant
