// SPDX-License-Identifier: GPL-3.0-or-later
#include "Palce.h"

#include "language/Translations.h"
#include "toolkit/Application.h"
#include "toolkit/Controls.h"
#include "toolkit/MessageBoxes.h"
#include "toolkit/TextGrid.h"
#include "toolkit/UpDown.h"

#include <QPushButton>

#include <algorithm>

using toolkit::MakeLabel;
using toolkit::SansFont;

namespace {

constexpr int GridRows = 24;

toolkit::UpDown* MakeUpDown(QWidget* parent, const char* name, const QRect& geometry) {
    auto* upDown = new toolkit::UpDown(parent);
    upDown->setObjectName(QString::fromLatin1(name));
    upDown->setGeometry(geometry);
    upDown->SetMin(1);
    upDown->SetPosition(1);
    return upDown;
}

}  // namespace

TZPL::TZPL(movement::MovementState& state) : state_(state) {
    setObjectName(QStringLiteral("ZPL"));
    setWindowTitle(tr("Wprowadzanie z palca"));
    SetFormGeometry(19, 103, 357, 473);
    setFont(SansFont(13, false));
}

void TZPL::CreateControlsOnce() {
    CreateControls();
    ConnectHandlers();
    // As the window is read: the grid, then the column beside it.
    toolkit::SetTabOrder({Schemat, StolUD, RdUD, fin, Koniec});
    toolkit::SetReaderName(Schemat, tr("Pierwsza runda: stół, para NS, para WE, komplet"));
    StolUD->SetReaderCaption(tr("Ile Stołów"));
    RdUD->SetReaderCaption(tr("Ile Rund"));
    FormCreate();
}

void TZPL::CreateControls() {
    Label1 = MakeLabel(this, "Label1", tr("Stół"), 12, 0);
    NS = MakeLabel(this, "NS", tr("NS"), 60, 0);
    WE = MakeLabel(this, "WE", tr("WE"), 100, 0);
    Komplet = MakeLabel(this, "Komplet", tr("Komplet"), 136, 0);

    Schemat = new toolkit::TextGrid(4, GridRows, this);
    Schemat->setObjectName(QStringLiteral("Schemat"));
    Schemat->setGeometry(20, 12, 197, 421);
    Schemat->SetDefaultColumnWidth(40);
    Schemat->SetDefaultRowHeight(16);
    Schemat->setFont(SansFont(16, false));
    Schemat->SetBackground(toolkit::MenuColour());
    // The headings reach a few pixels into the grid's top edge: drawn over it, they stay whole.
    for (toolkit::Label* heading : {Label1, NS, WE, Komplet}) {
        heading->setAttribute(Qt::WA_TransparentForMouseEvents);
        heading->raise();
    }

    IlSto = MakeLabel(this, "IlSto", tr("Ile Stołów ?"), 256, 20);
    StolEB = MakeLabel(this, "StolEB", QStringLiteral("0"), 264, 48);
    StolUD = MakeUpDown(this, "StolUD", {301, 44, 16, 33});
    IlRund = MakeLabel(this, "IlRund", tr("Ile Rund ?"), 256, 96);
    RundEB = MakeLabel(this, "RundEB", QStringLiteral("0"), 264, 124);
    RdUD = MakeUpDown(this, "RdUD", {299, 120, 16, 33});
    for (toolkit::Label* label : {StolEB, RundEB}) label->setFont(SansFont(19, false));

    fin = toolkit::MakeButton(this, "fin", tr("&Koniec wprowadzania"), {212, 196, 137, 25});
    Koniec = toolkit::MakeButton(this, "Koniec", tr("Koniec &Programu"), {220, 240, 129, 25});
    Label2 = MakeLabel(this, "Label2", QStringLiteral("Label2"), 142, 223);
    Label2->lower();  // an unused label that lies behind the grid
}

void TZPL::ConnectHandlers() {
    connect(StolUD, &toolkit::UpDown::Changing, this, &TZPL::StolUDChanging);
    connect(RdUD, &toolkit::UpDown::Changing, this, &TZPL::RdUDChanging);
    connect(Schemat, &toolkit::TextGrid::Enter, this, &TZPL::SchematEnter);
    connect(fin, &QPushButton::clicked, this, &TZPL::finClick);
    connect(Koniec, &QPushButton::clicked, this, &TZPL::KoniecClick);
}

void TZPL::FormCreate() {
    Schemat->SetRowCount(GridRows);
    StolUD->SetMax(movement::MaxTypedTables);
    RdUD->SetMax(movement::MaxTypedRounds);
    StolUD->SetMin(1);
    SchemeGridStale = false;
}

void TZPL::TitleBarClosed() { emit LeftThroughTitleBar(); }

void TZPL::StolUDChanging(int position) {
    SchemeGridStale = true;
    ChosenTables = position;
    StolEB->SetCaption(QString::number(ChosenTables));
    // Laid out at once, before the grid is painted again.
    LayOutGrid();
}

void TZPL::RdUDChanging(int position) {
    ChosenRounds = position;
    RundEB->SetCaption(QString::number(ChosenRounds));
}

void TZPL::SchematEnter() {
    if (SchemeGridStale) LayOutGrid();
}

void TZPL::LayOutGrid() {
    const TypedGridLayout layout = TypedSchemeGridLayout(ChosenTables);
    Schemat->SetDefaultRowHeight(layout.rowHeight);
    Schemat->setFont(toolkit::SansFontOfCellHeight(layout.fontCellHeight, false));
    Schemat->SetRowCount(ChosenTables);
    for (int row = 1; row < GridRows; ++row) Schemat->SetCell(0, row, QString());
    for (int row = 0; row < ChosenTables; ++row) Schemat->SetCell(0, row, QString::number(row + 1));
    SchemeGridStale = false;
}

std::vector<movement::TypedRow> TZPL::TypedRows() const {
    std::vector<movement::TypedRow> rows;
    rows.reserve(static_cast<std::size_t>(std::max(ChosenTables, 0)));
    for (int row = 0; row < std::min(ChosenTables, GridRows); ++row)
        rows.push_back({Schemat->Cell(1, row).toStdString(), Schemat->Cell(2, row).toStdString(),
                        Schemat->Cell(3, row).toStdString()});
    return rows;
}

void TZPL::finClick() {
    const movement::Outcome outcome = movement::FinishTypedScheme(state_, ChosenTables, ChosenRounds, TypedRows());
    if (!outcome.accepted()) {
        toolkit::ShowMessage(this, QString::fromStdString(language::Interface().Say(outcome.text())));
        return;
    }
    emit TypedMovementAccepted();
}

void TZPL::KoniecClick() { toolkit::Terminate(); }

TypedGridLayout TypedSchemeGridLayout(int32_t chosenTables) {
    const int32_t rowRoom = 384 / std::max(chosenTables, 1);
    if (rowRoom >= 32) return {32, 17};
    if (rowRoom >= 24) return {rowRoom, 14};
    if (rowRoom >= 20) return {20, 12};
    return {16, 10};
}
