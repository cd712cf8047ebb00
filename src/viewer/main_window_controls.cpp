#include "viewer/main_window_controls.h"

#include "shared/settings_catalogue.h"
#include "viewer/file_list.h"
#include "viewer/main_window_layout.h"
#include "widgets/click_label.h"
#include "widgets/look_and_feel.h"
#include "widgets/pic_curve.h"
#include "widgets/twips.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include <map>
#include <string_view>

namespace orvant {

namespace {

QWidget *createControl(const ControlSpec &row, QWidget *window)
{
    QWidget *control = nullptr;
    switch (row.kind) {
    case ControlKind::Label: {
        auto *label = new QLabel(QString::fromUtf8(row.text), window);
        label->setAlignment(row.alignment);
        control = label;
        break;
    }
    case ControlKind::TextBox:
        control = new QLineEdit(window);
        break;
    case ControlKind::Option:
        control = new QRadioButton(QString::fromUtf8(row.text), window);
        break;
    case ControlKind::ListBox:
        control = new QListWidget(window);
        break;
    case ControlKind::DriveList:
        control = new QComboBox(window);
        control->setToolTip(QString::fromUtf8(row.text));
        break;
    case ControlKind::FolderList:
        control = new QListWidget(window);
        control->setToolTip(QString::fromUtf8(row.text));
        break;
    case ControlKind::FileList:
        control = new FileList(window);
        break;
    case ControlKind::Picture:
        control = new PicCurve(window);
        break;
    }
    control->setObjectName(QString::fromUtf8(row.name));
    control->setGeometry(twipsRect(row.left, row.top, row.width, row.height));
    control->setFont(row.sansSerif ? msSansSerif(row.fontSize) : courierNew(row.fontSize));
    return control;
}

using Created = std::map<std::string_view, QWidget *>;

// The table's controls in tab order, by name.
Created createTableControls(QWidget *window)
{
    Created created;
    QWidget *previous = nullptr;
    for (const ControlSpec &row : mainWindowControls()) {
        QWidget *control = createControl(row, window);
        created[row.name] = control;
        if (control->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
    return created;
}

template<typename T> T *as(const Created &created, std::string_view name)
{
    return static_cast<T *>(created.at(name));
}

void createSettingsPanel(MainWindowControls &c, QWidget *window)
{
    for (int parameter = kFirstParameter; parameter <= kLastParameter; ++parameter) {
        createControl(nameLabelSpec(parameter), window);
        const ControlSpec value = valueLabelSpec(parameter);
        auto *label = new ClickLabel(window);
        label->setObjectName(QString::fromUtf8(value.name));
        label->setGeometry(twipsRect(value.left, value.top, value.width, value.height));
        label->setFont(courierNew(value.fontSize));
        label->setAccessibleDescription(
            QString::fromUtf8(parameterName(parameterNumbered(parameter)).data()));
        c.lblValue[static_cast<std::size_t>(parameter - kFirstParameter)] = label;
    }
}

void createColourIndicator(MainWindowControls &c, QWidget *window)
{
    for (const ColourChoice &colour : colourChoices()) {
        auto *frame = new QFrame(window);
        frame->setObjectName(QString::fromUtf8(colour.frame));
        frame->setGeometry(
            twipsRect(kIndicatorLeft, colour.frameTop, kIndicatorWidth, kIndicatorHeight));
        frame->setAccessibleName(QStringLiteral("Next Color indicator"));
        frame->setAccessibleDescription(QStringLiteral("The next curve is drawn in %1")
                                            .arg(QString::fromUtf8(colour.colourName)));
        auto *line = new QFrame(frame);
        line->setObjectName(QString::fromUtf8(colour.line));
        // A line from (60, 120) to (1320, 120) twips, 5 pixels wide.
        line->setGeometry(twipsToPixels(60), twipsToPixels(120) - 2,
                          twipsToPixels(1320) - twipsToPixels(60), 5);
        line->setAutoFillBackground(true);
        QPalette palette = line->palette();
        palette.setColor(QPalette::Window, QColor::fromRgb(colour.lineRgb));
        line->setPalette(palette);
        frame->setVisible(colour.nextColour == 1);
        c.indicator[static_cast<std::size_t>(colour.nextColour - 1)] = frame;

        QRadioButton *button = c.optCH[static_cast<std::size_t>(colour.nextColour - 1)];
        button->setAutoFillBackground(true);
        QPalette buttonPalette = button->palette();
        // A radio button fills its background with the Button role.
        buttonPalette.setColor(QPalette::Button, QColor::fromRgb(colour.buttonRgb));
        buttonPalette.setColor(QPalette::Window, QColor::fromRgb(colour.buttonRgb));
        buttonPalette.setColor(QPalette::WindowText, Qt::white);
        buttonPalette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(200, 200, 200));
        button->setPalette(buttonPalette);
    }
}

void describeForScreenReaders(const MainWindowControls &c, const Created &created)
{
    // Text boxes take their names from the labels beside them.
    const std::pair<std::string_view, QWidget *> buddies[] = {{"lblDrive", c.txtDrive},
                                                              {"lblPath", c.txtPath},
                                                              {"Label1", c.txtTop},
                                                              {"Label2", c.txtLeft}};
    for (const auto &[label, box] : buddies)
        as<QLabel>(created, label)->setBuddy(box);
    c.lstDaten->setAccessibleName(QStringLiteral("DATA"));
    c.lstDaten->setAccessibleDescription(QStringLiteral("Byte table: Nr., HEX, DEZ, BIN and SGN"));
    c.filDatei->setAccessibleName(QStringLiteral("Files"));
    c.filDatei->setAccessibleDescription(QStringLiteral("A click on a file name loads it"));
    c.dirVerzeichnis->setAccessibleName(QStringLiteral("Folders"));
    c.drvLaufwerk->setAccessibleName(QStringLiteral("Drives"));
    PicCurve *plot = c.picCurve;
    plot->setAccessibleName(QStringLiteral("Curve plot"));
    const auto describePlot = [plot](int curves) {
        plot->setAccessibleDescription(
            QStringLiteral("Waveform graticule of 10 by 8 divisions holding %1 curve%2")
                .arg(curves)
                .arg(curves == 1 ? "" : "s"));
    };
    describePlot(0);
    QObject::connect(plot, &PicCurve::curveCountChanged, plot, describePlot);
}

} // namespace

QLabel *MainWindowControls::valueLabel(int parameter) const
{
    return lblValue.at(static_cast<std::size_t>(parameter - kFirstParameter));
}

MainWindowControls createMainWindowControls(QWidget *window)
{
    const Created created = createTableControls(window);
    MainWindowControls c;
    c.drvLaufwerk = as<QComboBox>(created, "drvLaufwerk");
    c.dirVerzeichnis = as<QListWidget>(created, "dirVerzeichnis");
    c.filDatei = as<FileList>(created, "filDatei");
    c.txtDrive = as<QLineEdit>(created, "txtDrive");
    c.txtPath = as<QLineEdit>(created, "txtPath");
    c.txtTop = as<QLineEdit>(created, "txtTop");
    c.txtLeft = as<QLineEdit>(created, "txtLeft");
    c.lstDaten = as<QListWidget>(created, "lstDaten");
    c.picCurve = as<PicCurve>(created, "picCurve");
    c.optClr = as<QRadioButton>(created, "optClr");
    c.optDataExp = as<QRadioButton>(created, "optDataExp");
    c.optBack = as<QRadioButton>(created, "optBack");
    c.optCentre = as<QRadioButton>(created, "optCentre");
    c.optExit = as<QRadioButton>(created, "optExit");
    for (const ColourChoice &colour : colourChoices())
        c.optCH[static_cast<std::size_t>(colour.nextColour - 1)]
            = as<QRadioButton>(created, colour.button);

    c.lstDaten->setUniformItemSizes(true);
    c.lstDaten->setSelectionMode(QAbstractItemView::SingleSelection);
    c.dirVerzeichnis->setUniformItemSizes(true);
    c.filDatei->setUniformItemSizes(true);
    c.optDataExp->setEnabled(false);
    createSettingsPanel(c, window);
    createColourIndicator(c, window);
    describeForScreenReaders(c, created);
    return c;
}

} // namespace orvant
