#pragma once

#include "capture/byte_conversion.h"
#include "shared/folders.h"
#include "shared/var_global.h"
#include "viewer/main_window_controls.h"

#include <QObject>

#include <memory>
#include <string>

namespace orvant {

class Navigation;
class Platform;

// The load, from a click on a file name to the curve drawn and "Export Data"
// enabled, through the core's pipeline; and "Export Data" itself. A load lets
// pending events run once per sample; loads never overlap.
class LoadSequence : public QObject
{
    Q_OBJECT

public:
    LoadSequence(VarGlobal &state, Platform &platform, const Folders &folders,
                 const MainWindowControls &controls, Navigation &navigation, QObject *parent);
    ~LoadSequence() override;

    // A click on `fileName` in the file list; ignored while a load runs.
    void load(const std::string &fileName);
    // "Export Data": the tables as they stand into a dated file; ignored during a load.
    void exportData();
    bool running() const { return running_; }
    // The program ends: a running load stops at its next yield.
    void stop() { stopping_ = true; }

signals:
    void started();
    // Each time the load lets pending events run (once per sample).
    void yielded();
    // After a complete load (finished) and after every load, complete or not (ended).
    void finished(const QByteArray &fileName);
    void ended();

private:
    class WindowStages;
    bool run(const std::string &fileName);

    VarGlobal &state_;
    Platform &platform_;
    const Folders &folders_;
    const MainWindowControls &controls_;
    Navigation &navigation_;
    const std::unique_ptr<ListRows> rows_;
    bool running_ = false;
    bool stopping_ = false;
};

} // namespace orvant
