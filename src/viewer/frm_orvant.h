#pragma once

#include "shared/folders.h"
#include "shared/var_global.h"
#include "viewer/main_window_controls.h"
#include "widgets/platform.h"

#include <QWidget>

#include <filesystem>
#include <memory>
#include <string>

namespace orvant {

class CaptureOpener;
class CapturesTableTool;
class ReportTool;
class SpectrumTool;
class ReferenceTool;
class ZoomTool;
class FormTracker;
class FrmBackground;
class LoadSequence;
class MeasuringTools;
class Navigation;
class OptionGroup;
class OverrideDialogs;

// The main window: builds its controls from the layout table and wires them to
// the navigation, the load sequence and the core. Handlers are named after their
// control and event.
class FrmOrvant : public QWidget
{
    Q_OBJECT

public:
    FrmOrvant(VarGlobal &state, Platform &platform, Folders folders, QWidget *parent = nullptr);
    ~FrmOrvant() override;

    // A capture or folder named on the command line: opened after the first activation.
    void openAfterFirstActivation(const std::filesystem::path &path);

    // Handlers
    void Form_Load();
    void Form_Activate();
    void Form_MouseMove();
    void drvLaufwerk_Change(int index);
    void dirVerzeichnis_Change(const std::string &folder);
    void filDatei_Click(const std::string &fileName);
    void txtLeft_Change();
    void txtTop_Change();
    void optCentre_Click();
    void optExit_Click();
    void lblValue_Click(int index);
    void selectColour(int nextColour);
    void optClr_Click();
    void optBack_Click();
    void optDataExp_Click();
    void imgBack_DblClick();

signals:
    void loadStarted();
    // Each time a load lets pending events run (once per sample).
    void loadYielded();
    // After a complete load, and after every load, complete or not.
    void loadFinished();
    void loadEnded();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void wireControls();
    void wireForms();
    void showOverride(int parameter, int option);
    void clearWindowSteps();
    void centreWindow();
    void showBackgroundWindow();
    void setTwipsPosition(int leftTwips, int topTwips);
    void endProgram();

    VarGlobal &state_;
    Platform &platform_;
    const Folders folders_;
    const MainWindowControls c_;

    FormTracker *tracker_ = nullptr;
    OptionGroup *options_ = nullptr;
    Navigation *navigation_ = nullptr;
    LoadSequence *load_ = nullptr;
    MeasuringTools *measuring_ = nullptr;
    CaptureOpener *opener_ = nullptr;
    CapturesTableTool *tables_ = nullptr;
    SpectrumTool *spectrum_ = nullptr;
    ZoomTool *zoom_ = nullptr;
    ReferenceTool *reference_ = nullptr;
    ReportTool *report_ = nullptr;
    std::unique_ptr<OverrideDialogs> overrides_;
    std::unique_ptr<FrmBackground> background_;
    bool ending_ = false;
};

} // namespace orvant
