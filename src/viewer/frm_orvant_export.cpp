// "Export Data": the decoded data of the last load into a dated text file.
#include "viewer/frm_orvant.h"

#include "export/export_file.h"
#include "widgets/option_group.h"

#include <QRadioButton>

namespace orvant {

void FrmOrvant::optDataExp_Click()
{
    options_->unselect(optDataExp_);
    // An export never mixes two loads.
    if (loadRunning_)
        return;
    platform_.sleepMilliseconds(250);
    const ExportTime nameTime = ExportTime::at(platform_.now());
    const ExportTime line1Time = ExportTime::at(platform_.now());
    const ExportResult result
        = writeExportFile(folders_.exportFolder(), state_, nameTime, line1Time);
    platform_.showMessage("Message",
                          result.failure ? exportFailedMessage(result.file, *result.failure)
                                         : exportCreatedMessage(result.file));
    optDataExp_->setEnabled(true);
}

} // namespace orvant
