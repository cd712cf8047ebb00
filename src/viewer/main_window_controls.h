#pragma once

#include <QString>

#include <array>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QWidget;

namespace orvant {

class ClickLabel;
class FileList;
class PicCurve;

// Every control of the main window that the program acts on, as it was created.
struct MainWindowControls
{
    QComboBox *drvLaufwerk = nullptr;
    QListWidget *dirVerzeichnis = nullptr;
    FileList *filDatei = nullptr;
    QLineEdit *txtDrive = nullptr;
    QLineEdit *txtPath = nullptr;
    QLineEdit *txtTop = nullptr;
    QLineEdit *txtLeft = nullptr;
    QListWidget *lstDaten = nullptr;
    PicCurve *picCurve = nullptr;
    std::array<ClickLabel *, 25> lblValue {}; // parameters 101 to 125
    std::array<QRadioButton *, 4> optCH {}; // next colour 1 to 4
    std::array<QFrame *, 4> indicator {}; // next colour 1 to 4
    QRadioButton *optClr = nullptr;
    QRadioButton *optDataExp = nullptr;
    QRadioButton *optBack = nullptr;
    QRadioButton *optCentre = nullptr;
    QRadioButton *optExit = nullptr;

    QLabel *valueLabel(int parameter) const;
};

// Creates the controls of the layout table, the settings panel and the colour
// indicator on `window`, in tab order, with their names for screen readers.
MainWindowControls createMainWindowControls(QWidget *window);

} // namespace orvant
