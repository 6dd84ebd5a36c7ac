// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSpinBox>

#include <vector>

namespace toolkit {

// A spin box that offers only the values it is given: the arrows and the keys step from one to
// the next, and a typed number no value begins with is not taken.
class ListedSpinBox : public QSpinBox {
    Q_OBJECT

public:
    explicit ListedSpinBox(QWidget* parent = nullptr);

    // The values in ascending order; the current value stays when it is still offered, and
    // otherwise gives way to the first one.
    void SetValues(std::vector<int> values);
    const std::vector<int>& Values() const { return values_; }

    void stepBy(int steps) override;

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    StepEnabled stepEnabled() const override;

private:
    std::vector<int> values_;
};

}  // namespace toolkit
