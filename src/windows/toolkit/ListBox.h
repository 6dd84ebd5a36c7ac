#pragma once

#include <QListWidget>

namespace toolkit {

// A list of text lines with at most one selected. `DblClick` runs for every double click on the
// list, whether or not a line is selected. Its hint shows as a tool tip once hints are switched on.
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

signals:
    void DblClick();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QString hint_;
    bool showHint_ = false;
    int itemHeight_ = 0;
};

}  // namespace toolkit
