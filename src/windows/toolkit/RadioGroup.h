// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>
#include <QList>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

namespace toolkit {

// A captioned group of radio items laid out in columns. `Click` runs when another item becomes
// selected, whether the director picks it or the program selects it; not when the selection is
// cleared, nor when the selected item is chosen again. As the forms were drawn, the caption
// stands on the frame's top line and the items under the caption.
class RadioGroup : public QGroupBox {
    Q_OBJECT

public:
    RadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent = nullptr);

    int ItemIndex() const { return itemIndex_; }  // -1 when nothing is selected
    // Selects item `index`; -1 clears the selection without a Click.
    void SetItemIndex(int index);
    // Selects item `index` again as it was before, without a Click.
    void RestoreItemIndex(int index);

    int ItemCount() const { return static_cast<int>(buttons_.size()); }
    QString ItemCaption(int index) const;
    void SetItemCaption(int index, const QString& caption);
    QRadioButton* Item(int index) const { return buttons_.value(index); }

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ItemToggled(int index, bool checked);
    void NameForReaders(int index);
    void LayOutItems();

    QButtonGroup* group_;
    QList<QRadioButton*> buttons_;
    int columns_;
    int itemIndex_ = -1;
};

}  // namespace toolkit
