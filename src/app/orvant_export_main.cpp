// orvant-export: the data files, CSV files and pictures of capture files, without a
// window or a display.
#include "export/batch_export.h"
#include "shared/folders.h"
#ifdef ORVANT_WITH_PICTURES
#include "picture/capture_picture.h"
#include <QImage>
#endif

#include <chrono>
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char **argv)
{
    std::ios::sync_with_stdio(false);
#ifdef _WIN32
    // The lines keep their CR LF and every 8-bit character as it is.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    const std::vector<std::string> args(argv + 1, argv + argc);
    orvant::BatchIo io {std::cout, std::cerr, [] { return std::chrono::system_clock::now(); },
                        orvant::Folders::standard().exportFolder()};
#ifdef ORVANT_WITH_PICTURES
    io.picture = [](const orvant::CurveTable &curve) {
        return orvant::pngBytes(orvant::firstLoadPicture(curve));
    };
#endif
    return orvant::runBatchExport(args, io);
}
