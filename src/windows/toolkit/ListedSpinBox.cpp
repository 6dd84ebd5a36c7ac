// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListedSpinBox.h"

#include <algorithm>

namespace toolkit {

ListedSpinBox::ListedSpinBox(QWidget* parent) : QSpinBox(parent) { SetValues({0}); }

void ListedSpinBox::SetValues(std::vector<int> values) {
    if (values.empty()) values.push_back(0);
    const int kept = value();
    values_ = std::move(values);
    setRange(values_.front(), values_.back());
    setValue(std::binary_search(values_.begin(), values_.end(), kept) ? kept : values_.front());
}

void ListedSpinBox::stepBy(int steps) {
    // From the value shown, or from where a value not offered would stand among the offered ones.
    const auto at = std::lower_bound(values_.begin(), values_.end(), value());
    int64_t index = at - values_.begin();
    if (steps < 0 && (at == values_.end() || *at != value())) ++steps;
    index = std::clamp<int64_t>(index + steps, 0, static_cast<int64_t>(values_.size()) - 1);
    setValue(values_[static_cast<std::size_t>(index)]);
    selectAll();
}

QAbstractSpinBox::StepEnabled ListedSpinBox::stepEnabled() const {
    StepEnabled enabled = StepNone;
    if (value() > values_.front()) enabled |= StepDownEnabled;
    if (value() < values_.back()) enabled |= StepUpEnabled;
    return enabled;
}

QValidator::State ListedSpinBox::validate(QString& input, int& /*pos*/) const {
    if (input == specialValueText() && !input.isEmpty()) return QValidator::Acceptable;
    const QString typed = input.trimmed();
    if (typed.isEmpty() || specialValueText().startsWith(typed)) return QValidator::Intermediate;
    bool number = false;
    const int asNumber = typed.toInt(&number);
    if (!number || typed.startsWith(QLatin1Char('+')) || typed.startsWith(QLatin1Char('-'))) return QValidator::Invalid;
    if (std::binary_search(values_.begin(), values_.end(), asNumber)) return QValidator::Acceptable;
    const bool begun = std::any_of(values_.begin(), values_.end(),
                                   [&](int offered) { return QString::number(offered).startsWith(typed); });
    return begun ? QValidator::Intermediate : QValidator::Invalid;
}

}  // namespace toolkit
