// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPlainTextEdit>

namespace toolkit {

// A read-only text box of lines, shown in the order they were appended.
class MemoBox : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit MemoBox(QWidget* parent = nullptr) : QPlainTextEdit(parent) {
        setReadOnly(true);
        setLineWrapMode(QPlainTextEdit::NoWrap);
    }

    void AppendLine(const QString& line) { appendPlainText(line); }
    // Many lines at once, laid out once.
    void AppendLines(const QStringList& lines) { appendPlainText(lines.join(QLatin1Char('\n'))); }
    QStringList Lines() const { return toPlainText().split(QLatin1Char('\n')); }

    // For a box placed above its parent's top edge: the text is moved so that line `line`
    // (from 0) starts exactly at that edge, whatever the font's line height, and the lines before
    // it stand wholly above it.
    void StartLineAtParentTop(int line);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void PlaceText();

    int lineAtParentTop_ = -1;
};

}  // namespace toolkit
