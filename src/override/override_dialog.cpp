#include "override/override_dialog.h"

#include "widgets/look_and_feel.h"
#include "widgets/option_group.h"
#include "widgets/twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QRadioButton>

namespace orvant {

namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

OverrideDialog::OverrideDialog(const OverrideRow &row)
    : QWidget(nullptr, kFixedWindowFlags)
    , row_(row)
    , group_(new OptionGroup(this))
{
    connect(group_, &OptionGroup::optionClicked, this, &OverrideDialog::optionClicked);
    setObjectName(QStringLiteral("frm%1").arg(number(row.parameter)));
    setWindowTitle(fromUtf8(row.title));
    setFixedSize(twipsToPixels(kOverrideClientWidth), twipsToPixels(row.clientHeight));
    createPrompt();
    createOptions();
}

void OverrideDialog::createPrompt()
{
    prompt_ = new QLabel(QStringLiteral("Please select the desired value"), this);
    prompt_->setObjectName(QStringLiteral("lbl101"));
    prompt_->setFont(courierNew(FontSize::Pt9));
    prompt_->setGeometry(twipsRect(kPromptLeft, kPromptTop, row_.promptWidth, kPromptHeight));
}

void OverrideDialog::createOptions()
{
    const QFont font = courierNew(FontSize::Pt9_75);
    const auto options = overrideOptions(row_);
    for (std::size_t i = 0; i < options.size(); ++i) {
        const SettingValue &entry = options[i];
        const int index = static_cast<int>(i);
        auto *button = new QRadioButton(fromUtf8(entry.caption), this);
        button->setObjectName(QStringLiteral("opt%1(%2)").arg(number(row_.parameter)).arg(index));
        button->setFont(font);
        button->setGeometry(
            twipsRect(kOptionLeft, optionTop(index), optionWidth(row_, i), kOptionHeight));
        group_->add(button, index);
        options_.push_back(button);
    }
}

QRadioButton *OverrideDialog::option(int index) const
{
    return options_.at(static_cast<std::size_t>(index));
}

QString OverrideDialog::writtenText(int index) const
{
    return fromUtf8(overrideOptions(row_)[static_cast<std::size_t>(index)].written);
}

void OverrideDialog::unselectAll()
{
    for (QRadioButton *button : options_)
        group_->unselect(button);
}

void OverrideDialog::closeEvent(QCloseEvent *event)
{
    // Closing only hides: the manager keeps the dialog and places it afresh.
    event->accept();
    emit closedByUser();
}

} // namespace orvant
