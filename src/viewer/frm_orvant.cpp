#include "viewer/frm_orvant.h"

#include "override/override_dialogs.h"
#include "rules/number_text.h"
#include "rules/path_file.h"
#include "viewer/capture_opener.h"
#include "viewer/captures_table_tool.h"
#include "viewer/file_list.h"
#include "viewer/frm_background.h"
#include "viewer/load_sequence.h"
#include "viewer/main_window_layout.h"
#include "viewer/measuring_tools.h"
#include "viewer/navigation.h"
#include "viewer/reference_tool.h"
#include "viewer/report_tool.h"
#include "viewer/screen_fit.h"
#include "viewer/settings_panel.h"
#include "viewer/spectrum_tool.h"
#include "viewer/start_centring.h"
#include "viewer/zoom_tool.h"
#include "widgets/click_label.h"
#include "widgets/form_tracker.h"
#include "widgets/look_and_feel.h"
#include "widgets/option_group.h"
#include "widgets/pic_curve.h"
#include "widgets/twips.h"

#include <QCloseEvent>
#include <QComboBox>
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
    , c_(createMainWindowControls(this))
    , tracker_(new FormTracker(this))
    , options_(new OptionGroup(this))
    , navigation_(
          new Navigation({c_.drvLaufwerk, c_.dirVerzeichnis, c_.filDatei, c_.txtDrive, c_.txtPath},
                         state_.pathText, platform_.mountedVolumes(), this))
    , load_(new LoadSequence(state_, platform_, folders_, c_, *navigation_, this))
    , measuring_(new MeasuringTools(state_, platform_, folders_, c_, this))
    , opener_(new CaptureOpener(*this, *navigation_, *c_.filDatei, *load_,
                                [this](const std::string &name) { filDatei_Click(name); }))
    , tables_(new CapturesTableTool(
          platform_, folders_, *c_.filDatei, *measuring_,
          [this](const std::string &name) { filDatei_Click(name); }, this))
    , spectrum_(new SpectrumTool(state_, *measuring_, this))
    , zoom_(new ZoomTool(*c_.picCurve, *measuring_, this))
    , reference_(new ReferenceTool(state_, *measuring_, *zoom_, this))
    , report_(new ReportTool(state_, *c_.picCurve, *measuring_, *spectrum_, this))
{
    setObjectName(QStringLiteral("frmOrvant"));
    setWindowTitle(QStringLiteral("ORVANT"));
    new ScreenFit(this,
                  {twipsToPixels(kMainWindowWidthTwips), twipsToPixels(kMainWindowHeightTwips)});
    setFont(courierNew(FontSize::Pt9_75));
    setMouseTracking(true);
    wireControls();
    wireForms();
    navigation_->start(folders_.initialPathText());
    Form_Load();
    // Queued: the window first fits its screen with the frame now known.
    connect(new StartCentring(this), &StartCentring::frameKnown, this, &FrmOrvant::centreWindow,
            Qt::QueuedConnection);
}

FrmOrvant::~FrmOrvant() = default;

void FrmOrvant::openAfterFirstActivation(const std::filesystem::path &path)
{
    opener_->openAfterFirstActivation(path);
}

void FrmOrvant::wireForms()
{
    overrides_ = std::make_unique<OverrideDialogs>(
        platform_, [this] { return pixelsToTwips(frameGeometry().width()); });
    connect(overrides_.get(), &OverrideDialogs::chosen, this, &FrmOrvant::showOverride);
    connect(overrides_.get(), &OverrideDialogs::dialogCreated, tracker_,
            &FormTracker::registerForm);
    connect(tracker_, &FormTracker::formActivated, this, [this](QWidget *form) {
        if (form == this) {
            Form_Activate();
            opener_->activated();
        } else if (form == background_.get()) {
            background_->Form_Activate();
            tracker_->bringToFront(this);
        }
    });
    tracker_->registerForm(this);
}

void FrmOrvant::wireControls()
{
    // Colour buttons report their next colour 1 to 4.
    enum Action { ClearWindow = 5, ExportData, ToggleBackground, Centre, Exit };
    for (const ColourChoice &colour : colourChoices())
        options_->add(c_.optCH[static_cast<std::size_t>(colour.nextColour - 1)], colour.nextColour);
    options_->add(c_.optClr, ClearWindow);
    options_->add(c_.optDataExp, ExportData);
    options_->add(c_.optBack, ToggleBackground);
    options_->add(c_.optCentre, Centre);
    options_->add(c_.optExit, Exit);
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

    connect(c_.filDatei, &FileList::fileChosen, this,
            [this](const QByteArray &name) { filDatei_Click(name.toStdString()); });
    connect(c_.drvLaufwerk, &QComboBox::activated, this, &FrmOrvant::drvLaufwerk_Change);
    connect(c_.txtLeft, &QLineEdit::textChanged, this, &FrmOrvant::txtLeft_Change);
    connect(c_.txtTop, &QLineEdit::textChanged, this, &FrmOrvant::txtTop_Change);
    for (int parameter = kFirstParameter; parameter <= kLastParameter; ++parameter) {
        connect(c_.lblValue[static_cast<std::size_t>(parameter - kFirstParameter)],
                &ClickLabel::clicked, this, [this, parameter] { lblValue_Click(parameter); });
    }
    connect(load_, &LoadSequence::started, this, &FrmOrvant::loadStarted);
    connect(load_, &LoadSequence::yielded, this, &FrmOrvant::loadYielded);
    connect(load_, &LoadSequence::finished, this, &FrmOrvant::loadFinished);
    connect(load_, &LoadSequence::ended, this, &FrmOrvant::loadEnded);
    connect(load_, &LoadSequence::finished, measuring_, &MeasuringTools::loadCompleted);
    connect(load_, &LoadSequence::ended, measuring_, &MeasuringTools::refresh);
}

void FrmOrvant::Form_Load()
{
    centreWindow();
    state_.shown.empty();
    showSettings(c_.lblValue, state_.shown);
}

void FrmOrvant::Form_Activate()
{
    drawGraticule(*c_.picCurve);
    options_->selectLikeClick(c_.optCH[0]);
    state_.nextColour = 1;
    c_.optDataExp->setEnabled(false);
    // A missing or unreadable path file keeps the path text as it is.
    navigation_->activate(readPathFile(folders_.pathFile()));
    for (QRadioButton *button : c_.optCH)
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

void FrmOrvant::filDatei_Click(const std::string &fileName)
{
    load_->load(fileName); // ignored once the program ends
}

void FrmOrvant::optDataExp_Click()
{
    options_->unselect(c_.optDataExp);
    load_->exportData();
}

// Window position

void FrmOrvant::mouseMoveEvent(QMouseEvent *event)
{
    QWidget::mouseMoveEvent(event);
    Form_MouseMove();
}

void FrmOrvant::Form_MouseMove()
{
    c_.txtTop->setText(QString::number(pixelsToTwips(pos().y())));
    c_.txtLeft->setText(QString::number(pixelsToTwips(pos().x())));
}

void FrmOrvant::txtLeft_Change()
{
    move(positionPixelsFromTwipsText(c_.txtLeft->text().toStdString()), pos().y());
}

void FrmOrvant::txtTop_Change()
{
    move(pos().x(), positionPixelsFromTwipsText(c_.txtTop->text().toStdString()));
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
    options_->unselect(c_.optCentre);
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
    load_->stop();
    close();
    platform_.endProgram();
}

} // namespace orvant
