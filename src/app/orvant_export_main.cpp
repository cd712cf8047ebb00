// orvant-export: the data files, CSV files and pictures of capture files, without a
// window or a display.
#include "cli/batch_command.h"
#include "cli/batch_command_line.h"
#include "shared/folders.h"
#ifdef ORVANT_WITH_PICTURES
#include "picture/capture_picture.h"
#include "picture/plot_svg.h"
#include "picture/report_document.h"
#include <QImage>
#endif

#include <chrono>
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// Needs windows.h first.
#include <shellapi.h>
#endif

namespace {

// The arguments after the program name, in UTF-8 like every path text. On
// Windows argv holds them in the ANSI code page, which has no room for most
// characters of a file name: they are taken from the system's UTF-16 instead.
std::vector<std::string> arguments(int argc, char **argv)
{
#ifdef _WIN32
    int count = 0;
    if (wchar_t **wide = ::CommandLineToArgvW(::GetCommandLineW(), &count)) {
        std::vector<std::string> args;
        for (int i = 1; i < count; ++i)
            args.push_back(orvant::pathText(std::filesystem::path(wide[i])));
        ::LocalFree(wide);
        return args;
    }
#endif
    return {argv + 1, argv + argc};
}

} // namespace

int main(int argc, char **argv)
{
    std::ios::sync_with_stdio(false);
#ifdef _WIN32
    // The lines keep their CR LF and every 8-bit character as it is.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    const std::vector<std::string> args = arguments(argc, argv);
    orvant::BatchIo io {std::cout, std::cerr, [] { return std::chrono::system_clock::now(); },
                        orvant::Folders::standard().exportFolder()};
#ifdef ORVANT_WITH_PICTURES
    io.picture = [](const orvant::CurveTable &curve) {
        return orvant::pngBytes(orvant::firstLoadPicture(curve));
    };
    io.svg = [](const orvant::CurveTable &curve) {
        return orvant::firstLoadSvg(curve);
    };
    // "orvant-export 1.0.0" on the pages.
    const std::string versionLine = orvant::batchVersionText();
    const std::string version = versionLine.substr(0, versionLine.size() - 1);
    io.pdf = [version](const std::string &capture, const orvant::VarGlobal &state) {
        return orvant::capturePdf(capture, state, version);
    };
    io.report
        = [version](const std::vector<std::string> &captures, const std::filesystem::path &target,
                    std::ostream &out, std::ostream &err) {
              return orvant::writeReport(captures, target, version, out, err);
          };
#endif
    return orvant::runBatchExport(args, io);
}
