#include "viewer/load_sequence.h"

#include "capture/capture_load.h"
#include "capture/load_path.h"
#include "export/export_file.h"
#include "viewer/list_row_text.h"
#include "viewer/navigation.h"
#include "viewer/settings_panel.h"
#include "widgets/click_label.h"
#include "widgets/pic_curve.h"
#include "widgets/platform.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QRadioButton>
#include <QScopedValueRollback>

namespace orvant {

// What the window shows at each stage of the load.
class LoadSequence::WindowStages : public LoadStages
{
public:
    explicit WindowStages(LoadSequence &sequence)
        : s_(sequence)
    {
    }
    void extensionWarning() override
    {
        s_.platform_.showMessage("Message", extensionWarningText());
        s_.controls_.lstDaten->clear();
        s_.controls_.picCurve->clear();
    }
    void failed(const LoadError &error) override
    {
        s_.platform_.showMessage("ORVANT", loadErrorReport(error));
    }
    void read(std::string_view, const PreparedText &) override
    {
        s_.controls_.lstDaten->clear();
        showSettings(s_.controls_.lblValue, s_.state_.shown);
    }
    void decoded(const DecodedSettings &) override
    {
        QStringList rows;
        rows.reserve(kPairCount);
        for (const ListRow &row : *s_.rows_)
            rows.append(displayText(row.view()));
        s_.controls_.lstDaten->addItems(rows);
        showSettings(s_.controls_.lblValue, s_.state_.shown);
    }
    // From here on a failing step is skipped; pending events run once per sample.
    bool letEventsRun() override
    {
        QCoreApplication::processEvents();
        emit s_.yielded();
        return !s_.stopping_;
    }

private:
    LoadSequence &s_;
};

LoadSequence::LoadSequence(VarGlobal &state, Platform &platform, const Folders &folders,
                           const MainWindowControls &controls, Navigation &navigation,
                           QObject *parent)
    : QObject(parent)
    , state_(state)
    , platform_(platform)
    , folders_(folders)
    , controls_(controls)
    , navigation_(navigation)
    , rows_(std::make_unique<ListRows>())
{
}

LoadSequence::~LoadSequence() = default;

void LoadSequence::load(const std::string &fileName)
{
    if (running_ || stopping_)
        return;
    {
        const QScopedValueRollback running(running_, true);
        emit started();
        if (run(fileName))
            emit finished(QByteArray::fromStdString(fileName));
    }
    emit ended();
}

bool LoadSequence::run(const std::string &fileName)
{
    WindowStages stages(*this);
    const auto folder = withTrailingSeparator(state_.pathText, kSeparator);
    if (!folder) {
        stages.failed(LoadError::invalidCall());
        return false;
    }
    if (*folder != state_.pathText)
        navigation_.setPathText(*folder);
    const std::string fullName = fullCaptureName(*folder, fileName);
    if (loadCapture(pathFromText(fullName), state_, stages, rows_.get()) != LoadEnd::Complete)
        return false;
    drawCurve(*controls_.picCurve, state_.curveTable, state_.nextColour);
    controls_.optDataExp->setEnabled(true);
    return true;
}

void LoadSequence::exportData()
{
    // An export never mixes two loads.
    if (running_)
        return;
    platform_.sleepMilliseconds(250);
    const ExportTime nameTime = ExportTime::at(platform_.now());
    const ExportTime line1Time = ExportTime::at(platform_.now());
    const ExportResult result
        = writeExportFile(folders_.exportFolder(), state_, nameTime, line1Time);
    platform_.showMessage("Message",
                          result.failure ? exportFailedMessage(result.file, *result.failure)
                                         : exportCreatedMessage(result.file));
    controls_.optDataExp->setEnabled(true);
}

} // namespace orvant
