#include "export/batch_output.h"

#include "export/output_name.h"
#include "shared/atomic_file.h"
#include "shared/folders.h"

namespace orvant {

std::string_view batchOutputSuffix(BatchOutput output)
{
    switch (output) {
    case BatchOutput::Csv:
        return ".csv";
    case BatchOutput::Picture:
        return ".png";
    case BatchOutput::Spectrum:
        return " spectrum.csv";
    case BatchOutput::Json:
        return ".json";
    case BatchOutput::Svg:
        return ".svg";
    case BatchOutput::Pdf:
        return ".pdf";
    case BatchOutput::DataFile:
        break;
    }
    return " Data File.txt";
}

bool isLeftAsideOutput(const std::string &fileName)
{
    for (const BatchOutput output :
         {BatchOutput::DataFile, BatchOutput::Csv, BatchOutput::Picture, BatchOutput::Spectrum,
          BatchOutput::Json, BatchOutput::Svg, BatchOutput::Pdf})
        if (isAsideName(fileName, batchOutputSuffix(output)))
            return true;
    return false;
}

std::string batchOutputName(const std::filesystem::path &capture, BatchOutput output)
{
    return outputBaseName(pathText(capture.filename())).append(batchOutputSuffix(output));
}

} // namespace orvant
