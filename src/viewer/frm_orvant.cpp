#include "viewer/frm_orvant.h"

#include "capture/settings_tables.h"
#include "override/override_dialogs.h"
#include "widgets/click_label.h"
#include "viewer/file_list.h"
#include "widgets/form_tracker.h"
#include "viewer/frm_background.h"
#include "widgets/look_and_feel.h"
#include "viewer/main_window_layout.h"
#include "viewer/navigation.h"
#include "rules/number_text.h"
#include "widgets/option_group.h"
#include "rules/path_file.h"
#include "widgets/pic_curve.h"
#include "viewer/start_centring.h"
#include "widgets/twips.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

namespace orvant {

FrmOrvant::FrmOrvant(VarGlobal &state, Platform &platform, Folders folders, QWidget *parent)
    : QWidget(parent, kFixedWindowFlags)
    , state_(state)
    , platform_(platform)
    , folders_(std::move(folders))
    , tracker_(new FormTracker(this))
    , options_(new OptionGroup(this))
    , rows_(std::make_unique<ListRows>())
{
    setObjectName(QStringLiteral("frmOrvant"));
    setWindowTitle(QStringLiteral("ORVANT"));
    setFixedSize(twipsToPixels(kMainWindowWidthTwips), twipsToPixels(kMainWindowHeightTwips));
    setFont(courierNew(FontSize::Pt9_75));
    setMouseTracking(true);

    createControls();
    createSettingsPanel();
    createColourIndicator();
    wireControls();
    describeForScreenReaders();

    overrides_ = std::make_unique<OverrideDialogs>(
        platform_, [this] { return pixelsToTwips(frameGeometry().width()); });
    connect(overrides_.get(), &OverrideDialogs::chosen, this,
            [this](int parameter, const QString &text) {
                QLabel *label = valueLabel(parameter);
                label->setText(text);
                QPalette palette = label->palette();
                palette.setColor(QPalette::WindowText, QColor(255, 0, 0));
                label->setPalette(palette);
                tracker_->bringToFront(this);
            });
    connect(overrides_.get(), &OverrideDialogs::dialogCreated, tracker_,
            &FormTracker::registerForm);

    connect(tracker_, &FormTracker::formActivated, this, [this](QWidget *form) {
        if (form == this) {
            Form_Activate();
        } else if (form == background_.get()) {
            background_->Form_Activate();
            tracker_->bringToFront(this);
        }
    });
    tracker_->registerForm(this);
    navigation_->start(folders_.initialPathText());
    Form_Load();
    connect(new StartCentring(this), &StartCentring::frameKnown, this, &FrmOrvant::centreWindow);
}

FrmOrvant::~FrmOrvant() = default;

QWidget *FrmOrvant::createControl(const ControlSpec &row)
{
    QWidget *control = nullptr;
    switch (row.kind) {
    case ControlKind::Label: {
        auto *label = new QLabel(QString::fromUtf8(row.text), this);
        label->setAlignment(row.alignment);
        control = label;
        break;
    }
    case ControlKind::TextBox:
        control = new QLineEdit(this);
        break;
    case ControlKind::Option:
        control = new QRadioButton(QString::fromUtf8(row.text), this);
        break;
    case ControlKind::ListBox:
        control = new QListWidget(this);
        break;
    case ControlKind::DriveList:
        control = new QComboBox(this);
        control->setToolTip(QString::fromUtf8(row.text));
        break;
    case ControlKind::FolderList:
        control = new QListWidget(this);
        control->setToolTip(QString::fromUtf8(row.text));
        break;
    case ControlKind::FileList:
        control = new FileList(this);
        break;
    case ControlKind::Picture:
        control = new PicCurve(this);
        break;
    }
    control->setObjectName(QString::fromUtf8(row.name));
    control->setGeometry(twipsRect(row.left, row.top, row.width, row.height));
    control->setFont(row.sansSerif ? msSansSerif(row.fontSize) : courierNew(row.fontSize));
    return control;
}

void FrmOrvant::createControls()
{
    QWidget *previous = nullptr;
    for (const ControlSpec &row : mainWindowControls()) {
        QWidget *control = createControl(row);
        if (previous && control->focusPolicy() != Qt::NoFocus)
            setTabOrder(previous, control);
        if (control->focusPolicy() != Qt::NoFocus)
            previous = control;
    }
    drvLaufwerk_ = findChild<QComboBox *>(QStringLiteral("drvLaufwerk"));
    dirVerzeichnis_ = findChild<QListWidget *>(QStringLiteral("dirVerzeichnis"));
    filDatei_ = findChild<FileList *>(QStringLiteral("filDatei"));
    txtDrive_ = findChild<QLineEdit *>(QStringLiteral("txtDrive"));
    txtPath_ = findChild<QLineEdit *>(QStringLiteral("txtPath"));
    txtTop_ = findChild<QLineEdit *>(QStringLiteral("txtTop"));
    txtLeft_ = findChild<QLineEdit *>(QStringLiteral("txtLeft"));
    lstDaten_ = findChild<QListWidget *>(QStringLiteral("lstDaten"));
    picCurve_ = findChild<PicCurve *>(QStringLiteral("picCurve"));
    optClr_ = findChild<QRadioButton *>(QStringLiteral("optClr"));
    optDataExp_ = findChild<QRadioButton *>(QStringLiteral("optDataExp"));
    optBack_ = findChild<QRadioButton *>(QStringLiteral("optBack"));
    optCentre_ = findChild<QRadioButton *>(QStringLiteral("optCentre"));
    optExit_ = findChild<QRadioButton *>(QStringLiteral("optExit"));
    for (const ColourChoice &colour : colourChoices())
        optCH_[static_cast<std::size_t>(colour.nextColour - 1)]
            = findChild<QRadioButton *>(QString::fromUtf8(colour.button));

    lstDaten_->setUniformItemSizes(true);
    lstDaten_->setSelectionMode(QAbstractItemView::SingleSelection);
    dirVerzeichnis_->setUniformItemSizes(true);
    filDatei_->setUniformItemSizes(true);
    optDataExp_->setEnabled(false);
    navigation_ = new Navigation({drvLaufwerk_, dirVerzeichnis_, filDatei_, txtDrive_, txtPath_},
                                 state_.pathText, platform_.mountedVolumes(), this);
}

void FrmOrvant::createSettingsPanel()
{
    for (int parameter = kFirstParameter; parameter <= kLastParameter; ++parameter) {
        const ControlSpec name = nameLabelSpec(parameter);
        createControl(name);
        const ControlSpec value = valueLabelSpec(parameter);
        auto *label = new ClickLabel(this);
        label->setObjectName(QString::fromUtf8(value.name));
        label->setGeometry(twipsRect(value.left, value.top, value.width, value.height));
        label->setFont(courierNew(value.fontSize));
        label->setAccessibleDescription(QString::fromUtf8(parameterName(parameter).data()));
        connect(label, &ClickLabel::clicked, this,
                [this, parameter] { lblValue_Click(parameter); });
        lblValue_[static_cast<std::size_t>(parameter - kFirstParameter)] = label;
    }
}

void FrmOrvant::createColourIndicator()
{
    for (const ColourChoice &colour : colourChoices()) {
        auto *frame = new QFrame(this);
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
        indicator_[static_cast<std::size_t>(colour.nextColour - 1)] = frame;

        QRadioButton *button = optCH_[static_cast<std::size_t>(colour.nextColour - 1)];
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

void FrmOrvant::wireControls()
{
    // Colour buttons report their next colour 1 to 4.
    enum Action { ClearWindow = 5, ExportData, ToggleBackground, Centre, Exit };
    for (const ColourChoice &colour : colourChoices())
        options_->add(optCH_[static_cast<std::size_t>(colour.nextColour - 1)], colour.nextColour);
    options_->add(optClr_, ClearWindow);
    options_->add(optDataExp_, ExportData);
    options_->add(optBack_, ToggleBackground);
    options_->add(optCentre_, Centre);
    options_->add(optExit_, Exit);
    connect(options_, &OptionGroup::optionClicked, this, [this](int id) {
        switch (id) {
        case ClearWindow:
            return optClr_Click();
        case ExportData:
            return optDataExp_Click();
        case ToggleBackground:
            return optBack_Click();
        case Centre:
            return optCentre_Click();
        case Exit:
            return optExit_Click();
        default:
            return selectColour(id);
        }
    });

    connect(filDatei_, &FileList::fileChosen, this,
            [this](const QByteArray &name) { filDatei_Click(name.toStdString()); });
    connect(drvLaufwerk_, &QComboBox::activated, this, &FrmOrvant::drvLaufwerk_Change);
    connect(txtLeft_, &QLineEdit::textChanged, this, &FrmOrvant::txtLeft_Change);
    connect(txtTop_, &QLineEdit::textChanged, this, &FrmOrvant::txtTop_Change);
}

void FrmOrvant::describeForScreenReaders()
{
    // Text boxes take their names from the labels beside them.
    const std::pair<const char *, QWidget *> buddies[] = {
        {"lblDrive", txtDrive_}, {"lblPath", txtPath_}, {"Label1", txtTop_}, {"Label2", txtLeft_}};
    for (const auto &[label, box] : buddies)
        findChild<QLabel *>(QString::fromUtf8(label))->setBuddy(box);
    lstDaten_->setAccessibleName(QStringLiteral("DATA"));
    lstDaten_->setAccessibleDescription(QStringLiteral("Byte table: Nr., HEX, DEZ, BIN and SGN"));
    filDatei_->setAccessibleName(QStringLiteral("Files"));
    filDatei_->setAccessibleDescription(QStringLiteral("A click on a file name loads it"));
    dirVerzeichnis_->setAccessibleName(QStringLiteral("Folders"));
    drvLaufwerk_->setAccessibleName(QStringLiteral("Drives"));
    picCurve_->setAccessibleName(QStringLiteral("Curve plot"));
    const auto describePlot = [this](int curves) {
        picCurve_->setAccessibleDescription(
            QStringLiteral("Waveform graticule of 10 by 8 divisions holding %1 curve%2")
                .arg(curves)
                .arg(curves == 1 ? "" : "s"));
    };
    describePlot(0);
    connect(picCurve_, &PicCurve::curveCountChanged, this, describePlot);
}

QLabel *FrmOrvant::valueLabel(int parameter) const
{
    return lblValue_.at(static_cast<std::size_t>(parameter - kFirstParameter));
}

void FrmOrvant::Form_Load()
{
    centreWindow();
    for (QLabel *label : lblValue_)
        label->clear();
}

void FrmOrvant::Form_Activate()
{
    drawGraticule(*picCurve_);
    options_->selectLikeClick(optCH_[0]);
    state_.nextColour = 1;
    optDataExp_->setEnabled(false);
    // A missing or unreadable path file keeps the path text as it is.
    navigation_->activate(readPathFile(folders_.pathFile()));
    for (QRadioButton *button : optCH_)
        options_->unselect(button);
}

void FrmOrvant::drvLaufwerk_Change(int index)
{
    navigation_->changeDrive(index);
}

void FrmOrvant::dirVerzeichnis_Change(const std::string &folder)
{
    navigation_->changeFolder(folder);
}

// Window position

void FrmOrvant::mouseMoveEvent(QMouseEvent *event)
{
    QWidget::mouseMoveEvent(event);
    Form_MouseMove();
}

void FrmOrvant::Form_MouseMove()
{
    txtTop_->setText(QString::number(pixelsToTwips(pos().y())));
    txtLeft_->setText(QString::number(pixelsToTwips(pos().x())));
}

void FrmOrvant::txtLeft_Change()
{
    move(positionPixelsFromTwipsText(txtLeft_->text().toStdString()), pos().y());
}

void FrmOrvant::txtTop_Change()
{
    move(pos().x(), positionPixelsFromTwipsText(txtTop_->text().toStdString()));
}

void FrmOrvant::centreWindow()
{
    const ScreenSize screen = platform_.screenSize();
    const QSize outer = frameGeometry().size();
    const int top = (screen.heightTwips - pixelsToTwips(outer.height())) / 2;
    const int left = (screen.widthTwips - pixelsToTwips(outer.width())) / 2;
    setTwipsPosition(left, top);
}

void FrmOrvant::setTwipsPosition(int leftTwips, int topTwips)
{
    move(twipsToPixels(leftTwips), twipsToPixels(topTwips));
}

void FrmOrvant::optCentre_Click()
{
    centreWindow();
    options_->unselect(optCentre_);
}

// Ending

void FrmOrvant::optExit_Click()
{
    if (const auto failure = writePathFile(folders_.pathFile(), state_.pathText))
        platform_.showMessage("Message", "The folder could not be saved: " + *failure);
    endProgram();
}

void FrmOrvant::imgBack_DblClick()
{
    if (background_)
        background_->hide();
    endProgram();
}

void FrmOrvant::closeEvent(QCloseEvent *event)
{
    // The title bar's close ends the whole program, without the path file.
    event->accept();
    if (!ending_)
        endProgram();
}

void FrmOrvant::endProgram()
{
    // A running load stops at its next yield; nothing is destroyed under it.
    ending_ = true;
    close();
    platform_.endProgram();
}

} // namespace orvant
