#pragma once

#include "rules/override_table.h"

#include <QString>
#include <QWidget>

#include <vector>

class QLabel;
class QRadioButton;

namespace orvant {

class OptionGroup;

// One override dialog, built from its row: the prompt and a column of options
// used as push buttons. A top-level window without owner, fixed size,
// closable through its title bar.
class OverrideDialog : public QWidget
{
    Q_OBJECT

public:
    explicit OverrideDialog(const OverrideRow &row);

    const OverrideRow &row() const { return row_; }
    int parameter() const { return number(row_.parameter); }
    int optionCount() const { return static_cast<int>(options_.size()); }
    QRadioButton *option(int index) const;
    QLabel *prompt() const { return prompt_; }
    QString writtenText(int index) const;

    // Leaves every option unselected, index 0 first.
    void unselectAll();

signals:
    // A click, Space or Enter on option `index` (never an arrow key).
    void optionClicked(int index);
    // The window system's close command.
    void closedByUser();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createPrompt();
    void createOptions();

    const OverrideRow &row_;
    OptionGroup *group_;
    QLabel *prompt_ = nullptr;
    std::vector<QRadioButton *> options_;
};

} // namespace orvant
