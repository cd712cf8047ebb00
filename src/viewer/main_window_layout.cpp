#include "viewer/main_window_layout.h"

#include "shared/settings_catalogue.h"

#include <array>

namespace orvant {

namespace {

constexpr auto kCentre = Qt::AlignHCenter | Qt::AlignVCenter;
constexpr auto kRight = Qt::AlignRight | Qt::AlignVCenter;
constexpr auto kSans = true;

// clang-format off
constexpr ControlSpec kControls[] = {
    {"dirVerzeichnis", ControlKind::FolderList, "Selection of the path.", 3720, 240, 4965, 1890, FontSize::Pt8_25, kSans},
    {"drvLaufwerk", ControlKind::DriveList, "Selection of the drive.", 120, 240, 3465, 315, FontSize::Pt8_25, kSans},
    {"filDatei", ControlKind::FileList, "", 8820, 240, 5895, 2010},
    {"lblDrive", ControlKind::Label, "Drive:", 3720, 2340, 975, 255, FontSize::Pt14_25, false, kCentre},
    {"txtDrive", ControlKind::TextBox, "", 4740, 2340, 675, 345},
    {"lblPath", ControlKind::Label, "Path:", 5760, 2340, 735, 255, FontSize::Pt14_25, false, kCentre},
    {"txtPath", ControlKind::TextBox, "", 6600, 2340, 8115, 345},
    {"lblDDis", ControlKind::Label, "DATA", 120, 780, 3405, 255, FontSize::Pt12, false, kCentre},
    {"lbl000", ControlKind::Label, " Nr.  HEX  DEZ     BIN   SGN", 120, 1080, 3405, 255, FontSize::Pt9},
    {"lstDaten", ControlKind::ListBox, "", 120, 1380, 3435, 10140, FontSize::Pt9},
    {"picCurve", ControlKind::Picture, "", 3720, 2760, 11000, 8780},
    {"lblString", ControlKind::Label, "Parameter", 15000, 240, 3285, 255, FontSize::Pt12, false, kCentre},
    {"lblParam", ControlKind::Label, "", 15000, 540, 3285, 255, FontSize::Pt9, false, kCentre},
    {"optCH4", ControlKind::Option, " COLOR 4", 15000, 8520, 1515, 315},
    {"optCH3", ControlKind::Option, " COLOR 3", 15000, 8820, 1515, 315},
    {"optCH2", ControlKind::Option, " COLOR 2", 15000, 9120, 1515, 315},
    {"optCH1", ControlKind::Option, " COLOR 1", 15000, 9420, 1515, 315},
    {"Label1", ControlKind::Label, "Top", 16740, 8580, 615, 255, FontSize::Pt12, false, kRight},
    {"txtTop", ControlKind::TextBox, "", 17460, 8580, 795, 345},
    {"Label2", ControlKind::Label, "Left", 16740, 8940, 615, 255, FontSize::Pt12, false, kRight},
    {"txtLeft", ControlKind::TextBox, "", 17460, 8940, 795, 345},
    {"lblNCol", ControlKind::Label, "Next Color", 16920, 9360, 1215, 195, FontSize::Pt9_75, false, kCentre},
    {"optClr", ControlKind::Option, "Clear Window", 15000, 9900, 1815, 240},
    {"optDataExp", ControlKind::Option, "Export Data", 15000, 10260, 1755, 240},
    {"optBack", ControlKind::Option, "Show Background", 15000, 10620, 2175, 240},
    {"optCentre", ControlKind::Option, "Set Form Centre", 15000, 10980, 2175, 240},
    {"optExit", ControlKind::Option, "Exit Program", 15000, 11340, 1875, 240},
};

// clang-format on

// Names live as long as the program: the layout rows hand out plain pointers.
const std::array<std::string, kParameterCount> &nameLabelNames()
{
    static const auto names = [] {
        std::array<std::string, kParameterCount> all;
        for (int n = 1; n <= kParameterCount; ++n)
            all[static_cast<std::size_t>(n - 1)] = (n < 10 ? "lbl00" : "lbl0") + std::to_string(n);
        return all;
    }();
    return names;
}

const std::array<std::string, kParameterCount> &valueLabelNames()
{
    static const auto names = [] {
        std::array<std::string, kParameterCount> all;
        for (int i = 0; i < kParameterCount; ++i)
            all[static_cast<std::size_t>(i)]
                = "lblValue(" + std::to_string(kFirstParameter + i) + ")";
        return all;
    }();
    return names;
}

int rowTop(int parameter)
{
    return 840 + 300 * (parameter - kFirstParameter);
}

} // namespace

std::span<const ControlSpec> mainWindowControls()
{
    return kControls;
}

ControlSpec nameLabelSpec(int parameter)
{
    const auto index = static_cast<std::size_t>(parameter - kFirstParameter);
    const int height = parameter == kLastParameter ? 255 : 195;
    return {nameLabelNames().at(index).c_str(),
            ControlKind::Label,
            parameterName(parameterNumbered(parameter)).data(),
            15000,
            rowTop(parameter),
            1845,
            height,
            FontSize::Pt9};
}

ControlSpec valueLabelSpec(int parameter)
{
    const auto index = static_cast<std::size_t>(parameter - kFirstParameter);
    return {valueLabelNames().at(index).c_str(),
            ControlKind::Label,
            "",
            16980,
            rowTop(parameter),
            1335,
            195,
            FontSize::Pt9};
}

} // namespace orvant
