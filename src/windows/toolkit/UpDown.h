// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QToolButton;

namespace toolkit {

// An up-down spinner: two arrow buttons stepping a position between a minimum and a maximum,
// without wrapping. `Changing` runs for every press of an arrow, also at a limit, and whenever
// the program sets the position; it carries the position after the press. `Click` runs only
// after a press has changed the position. While it has the focus, a focus frame stands over its
// arrows.
class UpDown : public QWidget {
    Q_OBJECT

public:
    explicit UpDown(QWidget* parent = nullptr);

    int Position() const { return position_; }

    void SetMin(int min) { min_ = min; }
    void SetMax(int max) { max_ = max; }
    void SetIncrement(int increment) { increment_ = increment; }
    // The program sets the position as it is given; only the arrows keep to the limits.
    void SetPosition(int position);

    // What a press of an arrow does.
    void PressUp();
    void PressDown();

    // What a screen reader says of it: the caption and the position ("Od Stołu: 3").
    void SetReaderCaption(const QString& caption);

    QToolButton* UpButton() const { return up_; }
    QToolButton* DownButton() const { return down_; }

signals:
    void Changing(int position);
    void Click();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Press(int direction);
    void TellReaders();

    QToolButton* up_;
    QToolButton* down_;
    QWidget* focusFrame_;
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int increment_ = 1;
    QString readerCaption_;
};

}  // namespace toolkit
