#pragma once

#include <QString>

class QCheckBox;
class QLabel;

namespace orvant {

// The "Between cursors" toggle and the heading of the samples measured, as the
// Measurements and Spectrum windows show them: the toggle while the cursors are
// (`offered`), the heading when it names samples (none: all of them).
void showGateControls(QCheckBox &gate, QLabel &heading, bool offered, bool on, const QString &text);

} // namespace orvant
