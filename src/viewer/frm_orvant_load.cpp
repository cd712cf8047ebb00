// The load: from a click on a file name to "Export Data" enabled.
#include "viewer/frm_orvant.h"

#include "capture/capture_load.h"
#include "capture/load_path.h"
#include "widgets/click_label.h"
#include "viewer/file_list.h"
#include "viewer/list_row_text.h"
#include "viewer/navigation.h"
#include "widgets/pic_curve.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include <utility>

namespace orvant {

namespace {

// Marks a load as running for as long as it is in scope.
class LoadGuard
{
public:
    explicit LoadGuard(bool &running)
        : running_(running)
    {
        running_ = true;
    }
    ~LoadGuard() { running_ = false; }
    LoadGuard(const LoadGuard &) = delete;
    LoadGuard &operator=(const LoadGuard &) = delete;

private:
    bool &running_;
};

} // namespace

void FrmOrvant::filDatei_Click(const std::string &fileName)
{
    // Loads never overlap: a click that arrives while a load yields is ignored.
    if (loadRunning_ || ending_)
        return;
    const LoadGuard guard(loadRunning_);
    if (runLoad(fileName))
        emit loadFinished();
}

bool FrmOrvant::runLoad(const std::string &fileName)
{
    const auto folder = withTrailingSeparator(state_.pathText, kSeparator);
    if (!folder) {
        reportLoadError(LoadError::invalidCall());
        return false;
    }
    if (*folder != state_.pathText)
        navigation_->setPathText(*folder);
    const std::string fullName = fullCaptureName(*folder, fileName);

    // What the window shows at each stage of the load.
    class WindowStages : public LoadStages
    {
    public:
        explicit WindowStages(FrmOrvant &window)
            : w_(window)
        {
        }
        void extensionWarning() override
        {
            w_.platform_.showMessage("Message", extensionWarningText());
            w_.lstDaten_->clear();
            w_.picCurve_->clear();
        }
        void failed(const LoadError &error) override { w_.reportLoadError(error); }
        void read(std::string_view, const PreparedText &) override
        {
            w_.lstDaten_->clear();
            for (QLabel *label : w_.lblValue_)
                label->clear();
        }
        void decoded(const SettingsTexts &settings) override
        {
            QStringList rows;
            rows.reserve(kPairCount);
            for (const ListRow &row : *w_.rows_)
                rows.append(displayText(row.view()));
            w_.lstDaten_->addItems(rows);
            w_.showSettings(settings);
        }
        // From here on a failing step is skipped; pending events run once per sample.
        bool letEventsRun() override
        {
            QCoreApplication::processEvents();
            emit w_.loadYielded();
            return !w_.ending_;
        }

    private:
        FrmOrvant &w_;
    } stages(*this);

    if (loadCapture(pathFromText(fullName), state_, stages, rows_.get()) != LoadEnd::Complete)
        return false;
    drawCurve(*picCurve_, state_.curveTable, state_.nextColour);
    optDataExp_->setEnabled(true);
    return true;
}

void FrmOrvant::showSettings(const SettingsTexts &texts)
{
    for (int parameter = kFirstParameter; parameter <= kLastParameter; ++parameter)
        valueLabel(parameter)->setText(QString::fromStdString(texts[parameter]));
}

void FrmOrvant::reportLoadError(const LoadError &error)
{
    platform_.showMessage("ORVANT", loadErrorReport(error));
}

} // namespace orvant
