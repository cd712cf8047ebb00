#include "viewer/captures_table_tool.h"

#include "viewer/captures_table_window.h"
#include "viewer/file_list.h"
#include "viewer/measuring_tools.h"

#include <QAction>

namespace orvant {

CapturesTableTool::CapturesTableTool(Platform &platform, const Folders &folders, FileList &files,
                                     MeasuringTools &menu, Click click, QWidget *owner)
    : QObject(owner)
    , platform_(platform)
    , folders_(folders)
    , measuring_(menu)
    , files_(files)
    , click_(std::move(click))
    , owner_(owner)
{
    QAction *open = menu.addMenuEntry(QStringLiteral("Captures Table\u2026"),
                                      QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(open, &QAction::triggered, this, &CapturesTableTool::showWindow);
    connect(&files_, &FileList::listed, this, &CapturesTableTool::follow);
    connect(&menu, &MeasuringTools::referenceChanged, this, [this] {
        if (window_)
            window_->setReference(measuring_.reference());
    });
}

void CapturesTableTool::showWindow()
{
    if (!window_) {
        // A window of its own, not one whose return activates the main window.
        window_ = new CapturesTableWindow(platform_, folders_, owner_);
        connect(window_, &CapturesTableWindow::loadRequested, this, &CapturesTableTool::load);
        if (measuring_.reference())
            window_->setReference(measuring_.reference());
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
    follow();
}

void CapturesTableTool::follow()
{
    if (window_)
        window_->showFolder(files_.folder(), files_.names());
}

void CapturesTableTool::load(const QByteArray &name)
{
    // As a click on the name in the file list: it is selected there, then loaded.
    const std::string file = name.toStdString();
    files_.select(file);
    click_(file);
}

} // namespace orvant
