#pragma once

#include "capture/byte_conversion.h"
#include "capture/settings_decoder.h"
#include "shared/folders.h"
#include "widgets/platform.h"
#include "shared/var_global.h"

#include <QWidget>

#include <array>
#include <memory>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace orvant {

class ClickLabel;
class FileList;
class FormTracker;
class FrmBackground;
class Navigation;
class OptionGroup;
class OverrideDialogs;
class PicCurve;

// The main window: wires the controls to the capture core. Handlers are named
// after their control and event.
class FrmOrvant : public QWidget
{
    Q_OBJECT

public:
    FrmOrvant(VarGlobal &state, Platform &platform, Folders folders, QWidget *parent = nullptr);
    ~FrmOrvant() override;

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

    bool loadRunning() const { return loadRunning_; }
    FormTracker &formTracker() { return *tracker_; }
    PicCurve &plot() { return *picCurve_; }
    OverrideDialogs &overrideDialogs() { return *overrides_; }
    FrmBackground *backgroundWindow() const { return background_.get(); }
    QLabel *valueLabel(int parameter) const;

signals:
    // Each time a load lets pending events run (once per sample).
    void loadYielded();
    void loadFinished();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void createSettingsPanel();
    void createColourIndicator();
    void wireControls();
    void describeForScreenReaders();
    QWidget *createControl(const struct ControlSpec &row);

    // The load's stages
    bool runLoad(const std::string &fileName);
    void showSettings(const SettingsTexts &texts);
    void reportLoadError(const struct LoadError &error);

    // Display controls
    void clearWindowSteps();
    void centreWindow();
    void showBackgroundWindow();
    void setTwipsPosition(int leftTwips, int topTwips);
    void endProgram();

    VarGlobal &state_;
    Platform &platform_;
    const Folders folders_;

    FormTracker *tracker_ = nullptr;
    Navigation *navigation_ = nullptr;
    OptionGroup *options_ = nullptr;
    std::unique_ptr<OverrideDialogs> overrides_;
    std::unique_ptr<FrmBackground> background_;
    std::unique_ptr<ListRows> rows_;

    QComboBox *drvLaufwerk_ = nullptr;
    QListWidget *dirVerzeichnis_ = nullptr;
    FileList *filDatei_ = nullptr;
    QLineEdit *txtDrive_ = nullptr;
    QLineEdit *txtPath_ = nullptr;
    QLineEdit *txtTop_ = nullptr;
    QLineEdit *txtLeft_ = nullptr;
    QListWidget *lstDaten_ = nullptr;
    PicCurve *picCurve_ = nullptr;
    std::array<ClickLabel *, 25> lblValue_ {};
    std::array<QRadioButton *, 4> optCH_ {}; // next colour 1 to 4
    std::array<QFrame *, 4> indicator_ {}; // next colour 1 to 4
    QRadioButton *optClr_ = nullptr;
    QRadioButton *optDataExp_ = nullptr;
    QRadioButton *optBack_ = nullptr;
    QRadioButton *optCentre_ = nullptr;
    QRadioButton *optExit_ = nullptr;

    bool loadRunning_ = false;
    bool ending_ = false;
};

} // namespace orvant
