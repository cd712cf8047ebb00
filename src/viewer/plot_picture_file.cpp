#include "viewer/plot_picture_file.h"

#include "picture/plot_svg.h"
#include "picture/png_bytes.h"
#include "widgets/pic_curve.h"

#include <algorithm>
#include <cctype>

namespace orvant {

namespace {

bool endsWithSvg(std::string_view name)
{
    constexpr std::string_view kSvg = ".svg";
    return name.size() >= kSvg.size()
        && std::equal(kSvg.begin(), kSvg.end(), name.end() - kSvg.size(), [](char a, char b) {
               return a == std::tolower(static_cast<unsigned char>(b));
           });
}

} // namespace

std::string plotPictureFile(PicCurve &plot, std::string_view fileName)
{
    if (endsWithSvg(fileName))
        return plotSvg(plot.commands(), {plot.width(), plot.height()});
    return pngBytes(plot.grab().toImage());
}

} // namespace orvant
