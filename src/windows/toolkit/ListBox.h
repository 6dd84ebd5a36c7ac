// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>

namespace toolkit {

// A list of text lines with at most one selected. `DblClick` runs for every double click on the
// list, whether or not a line is selected, and for Enter or Space on a line, which the keys select
// first. Rebuilding the lines keeps the keyboard's place among them, but no line selected. Its
// hint shows as a tool tip once hints are switched on.
class ListBox : public QListWidget {
    Q_OBJECT

public:
    explicit ListBox(QWidget* parent = nullptr);

    int ItemIndex() const;  // -1 when no line is selected
    void SetItemIndex(int index);
    int LineCount() const { return count(); }
    QString Line(int index) const;
    void AddLine(const QString& line);
    void SetLines(const QStringList& lines);

    void SetHint(const QString& hint);
    void SetShowHint(bool show);

    // Every line takes this height in pixels.
    void SetItemHeight(int height);

    // For a list narrower than its lines and the style's scroll bar: the vertical scroll bar
    // takes only the room that lines as wide as `widestLine` leave, down to a few pixels, so that
    // a list that scrolls still shows its lines whole.
    void KeepLinesWhole(const QString& widestLine);
    // The room beside such lines, inside the frame.
    int RoomBesideLines() const;

signals:
    void DblClick();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString hint_;
    bool showHint_ = false;
    int itemHeight_ = 0;
    QString widestLine_;
};

}  // namespace toolkit
