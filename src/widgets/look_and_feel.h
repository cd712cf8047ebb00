#pragma once

#include <QFont>
#include <QIcon>

class QApplication;

namespace orvant {

// Font sizes in pixels as 96 dpi gives them, so text fits the fixed twip
// geometry whatever the screen's logical dpi.
enum class FontSize { Pt8_25 = 11, Pt9 = 12, Pt9_75 = 13, Pt12 = 16, Pt14_25 = 19 };

// The frame of the main window and the dialogs: title, system menu, minimise and
// close; fixed size, so no maximise.
constexpr Qt::WindowFlags kFixedWindowFlags = Qt::Window | Qt::WindowTitleHint
    | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
    | Qt::MSWindowsFixedSizeDialogHint;

// "Courier New", with a fixed-pitch fallback where it is absent.
QFont courierNew(FontSize size, bool bold = true);
// "MS Sans Serif", with the system's sans font as fallback.
QFont msSansSerif(FontSize size);

// The program's icon in 16 and 32 pixels, so a title bar or taskbar never scales
// the large image down. Set once for the application: every window carries it.
QIcon programIcon();

// Fusion and a light palette of our own, the same on every desktop theme.
void applyLookAndFeel(QApplication &app);

} // namespace orvant
