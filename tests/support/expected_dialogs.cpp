#include "expected_dialogs.h"

namespace orvant::test {

namespace {

#define MICRO "\xC2\xB5" // U+00B5 MICRO SIGN in UTF-8

const std::vector<std::string> kVoltsShown
    = {" 5 mV", "10 mV", "20 mV", "50 mV", "0.1 V", "0.2 V", "0.5 V",
       "  1 V", "  2 V", "  5 V", " 10 V", " 20 V", " 50 V"};
const std::vector<std::string> kVoltsWritten
    = {"5 mV", "10 mV", "20 mV", "50 mV", "0.1 V", "0.2 V", "0.5 V",
       "1 V",  "2 V",   "5 V",   "10 V",  "20 V",  "50 V"};

const std::vector<std::string> kTimeShown
    = {" 50 nS",         "0.1 " MICRO "S", "0.2 " MICRO "S", "0.5 " MICRO "S", "  1 " MICRO "S",
       "  2 " MICRO "S", "  5 " MICRO "S", " 10 " MICRO "S", " 20 " MICRO "S", " 50 " MICRO "S",
       "0.1 mS",         "0.2 mS",         "0.5 mS",         "  1 mS",         "  2 mS",
       "  5 mS",         " 10 mS",         " 20 mS",         " 50 mS",         "0.1  S",
       "0.2  S",         "0.5  S",         "  1  S",         "  2  S",         "  5  S",
       " 10  S",         " 20  S"};
const std::vector<std::string> kTimeWritten = {"50 nS",
                                               "0.1 " MICRO "S",
                                               "0.2 " MICRO "S",
                                               "0.5 " MICRO "S",
                                               "1 " MICRO "S",
                                               "2 " MICRO "S",
                                               "5 " MICRO "S",
                                               "10 " MICRO "S",
                                               "20 " MICRO "S",
                                               "50 " MICRO "S",
                                               "0.1 mS",
                                               "0.2 mS",
                                               "0.5 mS",
                                               "1 mS",
                                               "2 mS",
                                               "5 mS",
                                               "10 mS",
                                               "20 mS",
                                               "50 mS",
                                               "0.1 S",
                                               "0.2 S",
                                               "0.5 S",
                                               "1 S",
                                               "2 S",
                                               "5 S",
                                               "10 S",
                                               "20 S"};

std::map<int, int> allWide(int count, int width)
{
    std::map<int, int> wide;
    for (int i = 0; i < count; ++i)
        wide[i] = width;
    return wide;
}

std::vector<ExpectedDialog> build()
{
    const std::string prefix = "Change the display of ";
    return {
        {101, prefix + "CH1 VOLTS/DIV", kVoltsShown, kVoltsWritten, 3650, 4095, {}, 3315},
        {102,
         prefix + "CH1 CLPG",
         {"DC", "AC", "GND", "CH1OFF"},
         {"DC", "AC", "GND", "CH1 OFF"},
         3930,
         1425,
         {{3, 1185}}},
        {103,
         prefix + "CH1 VAR",
         {"CAL'D", "UNCALB'D"},
         {"CAL'D", "UNCAL'D"},
         4250,
         870,
         {{1, 1305}}},
        {104, prefix + "CH1 INVERT", {"OFF", "ON"}, {}, 4550, 870},
        {105, prefix + "CH2 VOLTS/DIV", kVoltsShown, kVoltsWritten, 4850, 4065},
        {106, prefix + "CH2 CLPG", {"DC", "AC", "GND", "CH2 OFF"}, {}, 5150, 1425, {{3, 1245}}},
        {107,
         prefix + "CH2 VAR",
         {"CAL'D", "UNCALB'D"},
         {"CAL'D", "UNCAL'D"},
         5450,
         870,
         {{1, 1305}}},
        {108, prefix + "CH2 INVERT", {"OFF", "ON"}, {}, 5750, 870},
        {109, prefix + "SEC/DIV", kTimeShown, kTimeWritten, 6050, 8310, allWide(27, 1245)},
        {110, prefix + "X10 MAG", {"OFF", "ON"}, {}, 6350, 870},
        {111, prefix + "XY", {"OFF", "ON"}, {}, 6650, 870},
        {112, prefix + "RO OFF", {"OFF", "ON"}, {}, 6950, 870},
        {113,
         prefix + "TRIG MODE",
         {"NORM", "AUTO LVL", "AUTO BL", "SSEQ"},
         {},
         7250,
         1425,
         {{1, 1305}, {2, 1305}}},
        {114, prefix + "TRIG SRC", {"VERT", "CH 1", "CH 2", "EXT"}, {}, 7550, 1425},
        {115, prefix + "TRIG SLOPE", {"-", "+"}, {}, 7850, 870},
        {116, prefix + "TRIG POS", {"POST", "MID", "PRE"}, {}, 8150, 1110},
        {117, prefix + "AUTO TRIG ENEBLED", {"NO", "YES"}, {}, 8450, 870},
        {118, prefix + "STORE MODE", {"NONSTORE", "STORE"}, {}, 8750, 870, {{0, 1305}}},
        {119, prefix + "ACQ MODE", {"NORM", "ENV", "AVG", "C ENV"}, {}, 9050, 1425},
        {120, prefix + "VALID STORE", {"NO", "YES"}, {}, 9350, 870},
        {121, prefix + "RCL'D WFM", {"NO", "YES"}, {}, 9650, 870},
        {122, prefix + "CHAN SEL", {"CH 2", "CH 1"}, {}, 9950, 870},
        {123, prefix + "TIME OUT", {"YES", "NO"}, {}, 10250, 870},
    };
}

} // namespace

const std::vector<ExpectedDialog> &expectedDialogs()
{
    static const std::vector<ExpectedDialog> dialogs = build();
    return dialogs;
}

} // namespace orvant::test
