// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reads every message box the program shows, as the director would see it, and closes it with
// its OK button, so that tests can drive handlers that show modal boxes. Print dialogs are
// accepted or cancelled as the test says.

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <vector>

struct ShownMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon;
};

class MessageBoxWatcher : public QObject {
public:
    MessageBoxWatcher() { qApp->installEventFilter(this); }
    ~MessageBoxWatcher() override { qApp->removeEventFilter(this); }

    const std::vector<ShownMessage>& Shown() const { return shown_; }
    QString LastText() const { return shown_.empty() ? QString() : shown_.back().text; }

    void AnswerPrintDialogs(bool accept) { acceptPrintDialogs_ = accept; }
    // Called with every print dialog, shown, just before it is answered.
    void InspectPrintDialogs(std::function<void(QPrintDialog&)> inspect) { inspect_ = std::move(inspect); }
    int PrintDialogsShown() const { return printDialogs_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box != nullptr && event->type() == QEvent::Show && box->isModal()) {
            shown_.push_back({box->windowTitle(), box->text(), box->icon()});
            // Closed once its own event loop runs, the way the director's click on OK would.
            QTimer::singleShot(0, box, [box] { box->button(QMessageBox::Ok)->click(); });
        }
        auto* dialog = qobject_cast<QPrintDialog*>(watched);
        if (dialog != nullptr && event->type() == QEvent::Show) {
            ++printDialogs_;
            const bool accept = acceptPrintDialogs_;
            QTimer::singleShot(0, dialog, [this, dialog, accept] {
                if (inspect_) inspect_(*dialog);
                accept ? dialog->accept() : dialog->reject();
            });
        }
        return false;
    }

private:
    std::vector<ShownMessage> shown_;
    bool acceptPrintDialogs_ = true;
    std::function<void(QPrintDialog&)> inspect_;
    int printDialogs_ = 0;
};
