// The viewer: one window on the shared program state.
#include "shared/first_start.h"
#include "shared/folders.h"
#include "shared/var_global.h"
#include "viewer/frm_orvant.h"
#include "widgets/look_and_feel.h"
#include "widgets/qt_platform.h"
#include "viewer/sample_captures.h"

#include <QApplication>

#include <memory>

int main(int argc, char **argv)
{
#if defined(Q_OS_LINUX)
    // Window positions, centring and the background behind the main window need X11.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
#endif
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
    window.show();
    return QApplication::exec();
}
