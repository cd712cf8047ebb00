#pragma once

#include <QPageSize>

class QPaintDevice;

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace orvant {

struct CapturePage;
struct VarGlobal;

// The SHA-256 of a file's bytes, lower-case hex; empty when it cannot be read.
std::string fileSha256(const std::filesystem::path &file);

// A4, or Letter where the system's locale measures in US units.
QPageSize::PageSizeId localPageSize();

// A PDF of one page: the capture's page (report_page.h) of its fresh load in
// `state`; `capture` as given. Empty when it could not be made. Needs a
// QGuiApplication (for the fonts), no display.
std::string capturePdf(const std::string &capture, const VarGlobal &state,
                       const std::string &version);

// `content` as the one page of `device`, across its whole width and height (the page
// keeps its own margins); false when the device cannot be painted on.
bool drawCapturePageOn(QPaintDevice &device, const CapturePage &content);

// A PDF of one page with `content` on white paper of localPageSize(); empty when it
// could not be made. Needs a QGuiApplication (for the fonts), no display.
std::string capturePagePdf(const CapturePage &content);

// orvant-export --report: one PDF at `target`, a first page with the captures table's
// statistics, then a page per capture in the order given (a failed one with its
// error, reported on `err`). Written aside and moved into place; 0 when every
// capture loaded and the file was written, else 1.
int writeReport(const std::vector<std::string> &captures, const std::filesystem::path &target,
                const std::string &version, std::ostream &out, std::ostream &err);

// A QGuiApplication on the offscreen platform, made once where none exists, so that
// text can be laid out without a display.
void ensureOffscreenApplication();

} // namespace orvant
