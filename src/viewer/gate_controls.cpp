#include "viewer/gate_controls.h"

#include <QCheckBox>
#include <QLabel>
#include <QSignalBlocker>

namespace orvant {

void showGateControls(QCheckBox &gate, QLabel &heading, bool offered, bool on, const QString &text)
{
    const QSignalBlocker quiet(&gate); // the state shown, not a user's toggle
    gate.setChecked(on);
    gate.setVisible(offered);
    heading.setText(text);
    heading.setAccessibleName(text.isEmpty() ? QStringLiteral("All samples") : text);
    heading.setVisible(!text.isEmpty());
}

} // namespace orvant
