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
};

}  // namespace toolkit
