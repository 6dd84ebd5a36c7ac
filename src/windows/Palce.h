// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/ProgramWindow.h"

#include "movement/MovementState.h"
#include "movement/TypedScheme.h"

#include <cstdint>
#include <vector>

class QPushButton;

namespace toolkit {
class Label;
class TextGrid;
class UpDown;
}  // namespace toolkit

// The window for typing a movement by hand: the counts with two up-downs, round 1 of every
// table in a grid. Everything typed stays between openings.
class TZPL : public toolkit::ProgramWindow {
    Q_OBJECT

public:
    explicit TZPL(movement::MovementState& state);

    void FormCreate();
    void StolUDChanging(int position);
    void RdUDChanging(int position);
    void SchematEnter();
    void finClick();
    void KoniecClick();

    int32_t ChosenTables = 0;
    int32_t ChosenRounds = 0;
    bool SchemeGridStale = false;

    toolkit::Label* Label1;
    toolkit::Label* NS;
    toolkit::Label* WE;
    toolkit::Label* Komplet;
    toolkit::TextGrid* Schemat;
    toolkit::Label* IlSto;
    toolkit::Label* StolEB;
    toolkit::UpDown* StolUD;
    toolkit::Label* IlRund;
    toolkit::Label* RundEB;
    toolkit::UpDown* RdUD;
    QPushButton* fin;
    QPushButton* Koniec;
    toolkit::Label* Label2;  // on the form, and unused there

signals:
    void TypedMovementAccepted();
    // Nothing typed is taken over: the main window gives back what the opening found.
    void LeftThroughTitleBar();

protected:
    void TitleBarClosed() override;
    void CreateControlsOnce() override;

private:
    void CreateControls();
    void ConnectHandlers();
    void LayOutGrid();
    std::vector<movement::TypedRow> TypedRows() const;

    movement::MovementState& state_;
};

// How the typing grid shows the chosen tables so that all rows fit in 384 pixels: the row height
// and the font's full cell height, both in pixels.
struct TypedGridLayout {
    int rowHeight;
    int fontCellHeight;
    friend bool operator==(const TypedGridLayout&, const TypedGridLayout&) = default;
};
TypedGridLayout TypedSchemeGridLayout(int32_t chosenTables);
