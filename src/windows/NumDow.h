// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/ProgramWindow.h"

#include "movement/ArbitraryNumbers.h"
#include "movement/MovementState.h"

#include <array>

class QGroupBox;
class QPushButton;

namespace toolkit {
class Label;
class TextGrid;
class UpDown;
}  // namespace toolkit

// The window for printing pairs under numbers of the director's choosing: a grid of old and new
// numbers, and four renumbering groups that number a whole group from a multiple of ten.
class Tndw : public toolkit::ProgramWindow {
    Q_OBJECT

public:
    explicit Tndw(movement::MovementState& state);

    // Set when the window is opened: the groups of the current movement, and a fresh layout.
    void SetGroups(const movement::RenumberingGroups& groups);
    void MarkGridStale() { NumbersGridStale = true; }

    // Lay the window out for the movement, when it opens or when the grid first gets the focus.
    void FormActivate() override;
    void ZmnaEnter();
    void G0Click();
    void G1Click();
    void G2Click();
    void G3Click();
    void DrukowanieClick();
    void KoniecClick();

    movement::RenumberingGroups Groups;  // GroupEnd and GroupCaption
    bool NumbersGridStale = false;

    toolkit::Label* Label1;
    toolkit::TextGrid* Zmna;
    toolkit::Label* Label3;
    QGroupBox* ZmGr;
    std::array<toolkit::Label*, movement::RenumberingGroupCount> Grupa;  // Grupa0..Grupa3
    std::array<toolkit::Label*, movement::RenumberingGroupCount> W;      // W0..W3
    std::array<toolkit::UpDown*, movement::RenumberingGroupCount> G;     // G0..G3
    QPushButton* Drukowanie;
    QPushButton* Koniec;
    toolkit::Label* Label2;  // on the form, and unused there

signals:
    void NumbersAccepted();
    // Nothing is stored: the main window gives back what the opening found.
    void LeftThroughTitleBar();

protected:
    void TitleBarClosed() override;
    void CreateControlsOnce() override;

private:
    void CreateControls();
    void ConnectHandlers();
    // Runs while the grid is stale: once after each opening.
    void LayOutWindow();
    void ShiftGroup(int k);
    int PairRows() const;
    std::vector<std::string> NewNumbers() const;
    std::vector<movement::TypedNumber> TypedNumbers() const;

    movement::MovementState& state_;
};
