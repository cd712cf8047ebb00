// The viewer: one window on the shared program state.
#include "cli/viewer_command_line.h"
#include "shared/first_start.h"
#include "shared/folders.h"
#include "shared/var_global.h"
#include "viewer/frm_orvant.h"
#include "viewer/sample_captures.h"
#include "widgets/look_and_feel.h"
#include "widgets/qt_platform.h"

#include <QApplication>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

int main(int argc, char **argv)
{
    // Answered on the terminal before anything needs a display.
    const orvant::ViewerCommandLine line
        = orvant::parseViewerCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (line.help || line.version) {
        std::cout << (line.help ? orvant::viewerHelpText() : orvant::viewerVersionText());
        return 0;
    }
    if (line.usageError) {
        std::cerr << "orvant: " << *line.usageError << '\n'
                  << orvant::viewerUsageText() << "Try 'orvant --help' for more.\n";
        return 2;
    }
#if defined(Q_OS_LINUX)
    // Window positions, centring and the background behind the main window need X11.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
#endif
    // It takes its own options (-platform, -style, ...) from the arguments.
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ORVANT"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.orvant.Orvant"));
    orvant::applyLookAndFeel(app);
    QApplication::setWindowIcon(orvant::programIcon());

    const orvant::Folders folders = orvant::Folders::standard();
    // A new user finds something to click at once.
    if (orvant::createMissingFolders(folders))
        orvant::installSampleCaptures(folders.outputFolder());

    orvant::QtPlatform platform;
    const auto state = std::make_unique<orvant::VarGlobal>();
    orvant::FrmOrvant window(*state, platform, folders);
    if (line.capture)
        window.openAfterFirstActivation(orvant::pathFromText(*line.capture));
    window.show();
    return QApplication::exec();
}
