#include "table/table_command.h"

#include "table/folder_captures.h"
#include "table/table_formats.h"
#include "table/table_statistics.h"

#include <ostream>

namespace orvant {

int writeCapturesTable(const std::vector<std::string> &arguments, TableFormat format,
                       std::ostream &out, std::ostream &err, unsigned threads,
                       const ReferenceComparison *reference)
{
    std::vector<SummaryRequest> requests = captureRequests(arguments);
    for (SummaryRequest &request : requests)
        request.reference = reference;
    bool failed = false;
    std::vector<CaptureSummary> kept; // for the statistics only
    if (format == TableFormat::Csv)
        out << csvHeader(reference != nullptr);
    if (format == TableFormat::Json)
        out << jsonOpening();
    summarizeInOrder(requests, threads, [&](std::size_t index, CaptureSummary &&summary) {
        if (summary.error) {
            failed = true;
            err << summary.file << ": Error " << summary.error->number << " ("
                << summary.error->description << ")\n";
        }
        switch (format) {
        case TableFormat::Csv:
            out << csvRow(tableRow(summary));
            break;
        case TableFormat::Json:
            out << jsonRow(tableRow(summary), index);
            break;
        case TableFormat::Statistics:
            kept.push_back(std::move(summary));
            break;
        }
    });
    if (format == TableFormat::Json)
        out << jsonClosing(requests.size());
    if (format == TableFormat::Statistics)
        out << statisticsCsv(tableStatistics(kept));
    out.flush();
    if (!out) {
        err << "orvant-export: standard output could not be written\n";
        return 1;
    }
    return failed ? 1 : 0;
}

} // namespace orvant
