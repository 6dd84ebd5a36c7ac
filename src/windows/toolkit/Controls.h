// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QList>
#include <QRect>
#include <QString>

class QCheckBox;
class QPushButton;

namespace toolkit {

// The sans face of the forms. Liberation Sans has the metrics of the face the forms were drawn
// with, and its digits are exactly two spaces wide, so padded number columns line up.
QFont SansFont(int pixelHeight, bool bold);

// The sans face at the largest size whose full character cell (internal leading included) is at
// most `cellHeight` pixels high.
QFont SansFontOfCellHeight(int cellHeight, bool bold);

// The platform's colour of menus, the background the grids are given.
QColor MenuColour();

// A label that sizes itself to its caption, as the forms' labels do. It is sized when it is
// about to be shown, so that the fonts of windows not yet opened are not loaded at start-up.
class Label : public QLabel {
    Q_OBJECT

public:
    Label(const QString& caption, QWidget* parent) : QLabel(caption, parent) {}

    QString Caption() const { return text(); }
    void SetCaption(const QString& caption);

protected:
    bool event(QEvent* event) override;
};

// Controls made at their form position, named as on the form.
Label* MakeLabel(QWidget* parent, const char* name, const QString& caption, int left, int top);
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, const QRect& geometry);
QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const QString& caption, const QRect& geometry);

// Sets a widget's hint, shown as its tool tip.
void SetHint(QWidget* widget, const QString& hint);

// What a screen reader says a control is and holds: its accessible name.
void SetReaderName(QWidget* control, const QString& name);

// The order in which Tab visits a window's controls: the order they are read in, column by
// column, each top to bottom.
void SetTabOrder(const QList<QWidget*>& order);

}  // namespace toolkit
