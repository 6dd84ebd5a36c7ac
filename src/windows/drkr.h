// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/ProgramWindow.h"

class QPushButton;
class PrintSettings;

namespace toolkit {
class Label;
class MemoBox;
}  // namespace toolkit

// The print parameters window: the printer and its paper, and the page metrics measured from
// them, which scale the cards.
class TUstWydr : public toolkit::ProgramWindow {
    Q_OBJECT

public:
    explicit TUstWydr(PrintSettings& settings);

    void FormCreate();
    void FormActivate() override;
    void ParaStrClick();
    void ParaDrClick();
    void WydrukiClick();
    void KoniecClick();

    toolkit::Label* wsx;
    toolkit::Label* wsy;
    QPushButton* ParaStr;
    QPushButton* Koniec;
    toolkit::MemoBox* Info;
    QPushButton* ParaDr;
    QPushButton* Wydruki;

signals:
    void PrintsAsked();  // "Wydruki": back to the main window

protected:
    void CreateControlsOnce() override;

private:
    void CreateControls();
    void ShowMetrics();
    // The print dialog on the program's printer; true when the director accepted it.
    bool ExecutePrintDialog();

    PrintSettings& settings_;
};
