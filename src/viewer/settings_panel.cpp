#include "viewer/settings_panel.h"

#include "widgets/click_label.h"

#include <QPalette>

namespace orvant {

void showSettings(const std::array<ClickLabel *, kParameterCount> &labels,
                  const ShownSettings &shown)
{
    for (const Parameter parameter : kAllParameters) {
        const ShownSetting &setting = shown[parameter];
        ClickLabel *label = labels[slotOf(parameter)];
        label->setText(QString::fromStdString(setting.text));
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, setting.red ? QColor(255, 0, 0) : QColor(Qt::black));
        label->setPalette(palette);
    }
}

} // namespace orvant
