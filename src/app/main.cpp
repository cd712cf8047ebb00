// The viewer: one window on the shared program state.
#include "rules/viewer_command_line.h"
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

namespace {

orvant::ViewerCommandLine commandLine(int argc, char **argv)
{
    return orvant::parseViewerCommandLine(std::vector<std::string>(argv + 1, argv + argc));
}

} // namespace

int main(int argc, char **argv)
{
    // Answered on the terminal before anything needs a display.
    if (const auto early = commandLine(argc, argv); early.help || early.version) {
        std::cout << (early.help ? orvant::viewerHelpText() : "orvant " ORVANT_VERSION "\n");
        return 0;
    }
#if defined(Q_OS_LINUX)
    // Window positions, centring and the background behind the main window need X11.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
#endif
    QApplication app(argc, argv);
    // What is left once Qt took its own options (-platform, -style, ...).
    const orvant::ViewerCommandLine line = commandLine(argc, argv);
    if (line.usageError) {
        std::cerr << "orvant: " << *line.usageError << '\n'
                  << orvant::viewerUsageText() << "Try 'orvant --help' for more.\n";
        return 2;
    }
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
