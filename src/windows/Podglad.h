// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <functional>

class QPrinter;
class QPrintPreviewWidget;

// The print preview: Qt's preview of exactly the pages a print would make, in a modal window
// with the program's own buttons. "Drukuj" closes it and asks for the print; the session then
// prints as for "Drukuj" in the main window, so that its fate is told as for any print.
class TPodglad : public QDialog {
    Q_OBJECT

public:
    using Paint = std::function<void(QPrinter& printer)>;

    TPodglad(QPrinter& printer, Paint paint, QWidget* parent = nullptr);

    bool PrintAsked() const { return printAsked_; }
    QPrintPreviewWidget* Preview() const { return preview_; }

protected:
    // Opens whole on the screen, shrunk where the screen is smaller than the preview's size.
    void showEvent(QShowEvent* event) override;

private:
    QPrintPreviewWidget* preview_;
    bool printAsked_ = false;
};
