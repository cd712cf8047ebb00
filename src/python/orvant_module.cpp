// The orvant module for Python: the captures, their settings, samples, measurements and
// spectra, and the captures table, from the same core as the viewer and orvant-export.
#include "python/loaded_capture.h"
#include "python/python_values.h"
#include "shared/settings_catalogue.h"
#include "table/folder_captures.h"
#include "table/summary_pool.h"

#include <pybind11/eval.h>
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <cmath>
#include <limits>
#include <span>

namespace orvant::python {

namespace {

// The exception type, made once when the module is imported.
py::object &loadErrorType()
{
    static py::object type; // lives as long as the module
    return type;
}

[[noreturn]] void raiseLoadError(const LoadError &error)
{
    const py::object raised = loadErrorType()(error.number, error.description);
    PyErr_SetObject(loadErrorType().ptr(), raised.ptr());
    throw py::error_already_set();
}

// A copy the caller cannot write to: the numbers are the capture's.
template<typename Value> py::array_t<Value> readOnly(std::span<const Value> values)
{
    py::array_t<Value> array(static_cast<py::ssize_t>(values.size()));
    std::copy(values.begin(), values.end(), array.mutable_data());
    array.attr("setflags")(py::arg("write") = false);
    return array;
}

template<std::size_t N> py::object optionalArray(const std::optional<std::array<double, N>> &values)
{
    if (!values)
        return py::none();
    return readOnly<double>(*values);
}

py::dict settingsOf(const CaptureSummary &summary)
{
    py::dict settings;
    for (const Parameter parameter : kAllParameters) {
        const std::string text = summary.settings.text(parameter);
        settings[py::str(std::string(parameterName(parameter)))]
            = text.empty() ? py::object(py::none()) : py::object(decodedText(text));
    }
    return settings;
}

py::dict spectrumDict(const LoadedCapture &capture, const std::string &windowName)
{
    const auto window = windowFunctionNamed(windowName);
    if (!window)
        throw py::value_error("window must be rectangular, hann, flat-top or blackman-harris, not "
                              + windowName);
    const Spectrum s = capture.spectrum(*window);
    std::array<double, kSpectrumBins> frequency {};
    std::array<double, kSpectrumBins> dbv {};
    std::array<double, kSpectrumBins> dbfs {};
    constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
    for (int k = 0; k < kSpectrumBins; ++k) {
        const auto at = static_cast<std::size_t>(k);
        frequency[at] = s.frequency(k);
        dbv[at] = levelDbv(s.level[at]).value_or(kNone);
        dbfs[at] = levelDbfs(s.level[at], s.fullScale).value_or(kNone);
    }
    py::dict result;
    result["window"] = windowName;
    result["frequency"] = readOnly<double>(frequency);
    result["frequency_unit"] = s.sampleRateHz ? "Hz" : "cycles/div";
    result["level"] = readOnly<double>(s.level);
    result["level_unit"] = s.inVolts ? "V" : "div";
    result["level_dbv"] = s.inVolts ? py::object(readOnly<double>(dbv)) : py::object(py::none());
    result["level_dbfs"] = readOnly<double>(dbfs);
    return result;
}

// Rows turned into dicts at a time while the others are still being read.
constexpr std::size_t kRowsPerConversion = 64;

// One or many captures and folders, as the command line's arguments.
std::vector<std::string> tableArguments(const py::handle &given)
{
    const py::module_ os = py::module_::import("os");
    const bool single = py::isinstance<py::str>(given) || py::isinstance<py::bytes>(given)
        || py::isinstance(given, os.attr("PathLike"));
    std::vector<std::string> arguments;
    if (single) {
        arguments.push_back(givenPath(given).text);
        return arguments;
    }
    for (const py::handle item : py::iter(given))
        arguments.push_back(givenPath(item).text);
    return arguments;
}

py::list tableOf(const py::handle &given, const std::optional<int> &threads)
{
    if (threads && *threads < 1)
        throw py::value_error("threads must be 1 or more, or None for one per processor");
    const std::vector<SummaryRequest> requests = captureRequests(tableArguments(given));
    py::list rows;
    std::vector<CaptureSummary> arrived;
    const auto convert = [&rows, &arrived] {
        for (const CaptureSummary &summary : arrived)
            rows.append(rowDict(summary));
        arrived.clear();
    };
    {
        // Reading and measuring need no Python: other threads run meanwhile, and this
        // one takes the interpreter only to turn the rows come so far into dicts.
        const py::gil_scoped_release released;
        summarizeInOrder(requests, static_cast<unsigned>(threads.value_or(0)),
                         [&](std::size_t, CaptureSummary &&summary) {
                             arrived.push_back(std::move(summary));
                             if (arrived.size() >= kRowsPerConversion) {
                                 const py::gil_scoped_acquire held;
                                 convert();
                             }
                         });
    }
    convert();
    return rows;
}

py::list columnNames()
{
    py::list names;
    for (const TableColumn &column : tableColumns())
        names.append(std::string(column.name));
    return names;
}

constexpr const char *kLoadErrorClass = R"py(
class LoadError(Exception):
    """A capture that could not be loaded: `number` and `text` are the error the viewer
    reports, for example 53 and "File not found"."""

    def __init__(self, number, text):
        super().__init__("Error %d (%s)" % (number, text))
        self.number = number
        self.text = text
)py";

} // namespace

} // namespace orvant::python

PYBIND11_MODULE(orvant, m)
{
    using namespace orvant;
    using namespace orvant::python;
    m.doc() = "Captures of the two-channel storage oscilloscope as ORVANT reads them.\n\n"
              "load(path) gives a Capture: its settings, samples, scale, measurements and\n"
              "spectrum; table(paths) the captures table of many captures and folders, the\n"
              "rows orvant-export --table writes; table_frame(paths) the same as a pandas\n"
              "DataFrame. The numbers are those of the viewer and orvant-export, bit for bit.";

    py::dict scope = m.attr("__dict__");
    py::exec(kLoadErrorClass, scope);
    loadErrorType() = m.attr("LoadError");
    m.add_object("_cleanup", py::capsule([] {
                     loadErrorType() = py::object();
                     releaseColumnKeys();
                 }));

    py::class_<LoadedCapture>(m, "Capture",
                              "A capture loaded as the first capture of a fresh start of the "
                              "viewer.")
        .def_property_readonly(
            "file", [](const LoadedCapture &c) { return decodedText(c.summary().file); },
            "The path as given to load().")
        .def_property_readonly(
            "settings", [](const LoadedCapture &c) { return settingsOf(c.summary()); },
            "The 25 settings by their names (\"CH 1 VOLTS/DIV\" ... \"BYTE COUNT\"), as the "
            "panel shows them after the load; None where the capture holds none.")
        .def_property_readonly(
            "scale",
            [](const LoadedCapture &c) {
                return rowDict(c.summary(), columnIndex("channel"), columnIndex("time_unit") + 1);
            },
            "channel, volts_per_div and seconds_per_div (None where unknown; X10 MAG "
            "counted), voltage_unit and time_unit (\"V\"/\"s\", or \"div\").")
        .def_property_readonly(
            "values",
            [](const LoadedCapture &c) {
                const auto values = c.values();
                return readOnly<std::uint8_t>(values);
            },
            "The 512 samples, 0 to 255 (read-only numpy.uint8 array).")
        .def_property_readonly(
            "volts", [](const LoadedCapture &c) { return optionalArray(c.volts()); },
            "The samples in volts from the centre line (read-only float64 array), or None "
            "without a volts scale.")
        .def_property_readonly(
            "seconds", [](const LoadedCapture &c) { return optionalArray(c.seconds()); },
            "Each sample's time from the graticule's left edge (read-only float64 array), or "
            "None without a time scale (XY on gives none).")
        .def_property_readonly(
            "measurements",
            [](const LoadedCapture &c) {
                return rowDict(c.summary(), columnIndex("maximum"), tableColumns().size());
            },
            "The table's measurement columns (maximum ... reasons) by name; None where blank.")
        .def("spectrum", &spectrumDict, py::arg("window") = "hann",
             "The spectrum: frequency (Hz, or cycles/div without a time scale), level (RMS, "
             "in V or div), level_dbv (None without a volts scale) and level_dbfs (NaN where "
             "the level is 0), 257 bins each; window is rectangular, hann, flat-top or "
             "blackman-harris.")
        .def(
            "export_text", [](const LoadedCapture &c) { return decodedText(c.exportText()); },
            "The data file orvant-export writes for the capture, line 1 naming the present "
            "moment.")
        .def("__repr__", [](const LoadedCapture &c) {
            return py::str("<orvant.Capture {!r}>").format(decodedText(c.summary().file));
        });

    m.def(
        "load",
        [](const py::handle &path) {
            const GivenPath given = givenPath(path);
            LoadError error;
            auto loaded = LoadedCapture::load(given.path, given.text, error);
            if (!loaded)
                raiseLoadError(error);
            return std::move(*loaded);
        },
        py::arg("path"),
        "Loads a capture file (str, bytes or os.PathLike) and returns a Capture; raises "
        "LoadError with the viewer's error number and text.");
    m.def("table", &tableOf, py::arg("paths"), py::arg("threads") = py::none(),
          "The captures table of a capture or folder, or of a list of them, as a list of "
          "dicts with the table's columns in order: the rows orvant-export --table writes. A "
          "folder stands for its files, sorted by name; a capture that fails is a row with "
          "its error. threads: how many read at once (None: one per processor).");
    m.def(
        "table_frame",
        [](const py::handle &paths, const std::optional<int> &threads) {
            const py::module_ pandas = py::module_::import("pandas");
            return pandas.attr("DataFrame")(tableOf(paths, threads),
                                            py::arg("columns") = columnNames());
        },
        py::arg("paths"), py::arg("threads") = py::none(),
        "table() as a pandas.DataFrame, the columns in the table's order.");
    m.def("columns", &columnNames, "The names of the captures table's columns, in order.");
}
