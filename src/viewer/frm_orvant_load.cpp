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

    if (!endsWithLogExtension(fullName)) {
        platform_.showMessage("Message", extensionWarningText());
        lstDaten_->clear();
        picCurve_->clear();
    }

    const PreparedCapture capture = readPreparedCapture(pathFromText(fullName));
    if (capture.error) {
        reportLoadError(*capture.error);
        return false;
    }

    lstDaten_->clear();
    for (QLabel *label : lblValue_)
        label->clear();
    const SettingsTexts settings = decodeCapture(state_, capture.text, *rows_);
    QStringList rows;
    rows.reserve(kPairCount);
    for (const ListRow &row : *rows_)
        rows.append(displayText(row.view()));
    lstDaten_->addItems(rows);
    showSettings(settings);

    // From here on a failing step is skipped; pending events run once per sample.
    const bool complete = buildCurveSamples(state_.byteTable, state_.curveTable, [this] {
        QCoreApplication::processEvents();
        emit loadYielded();
        return !ending_;
    });
    if (!complete)
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
