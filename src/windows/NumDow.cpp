// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumDow.h"

#include "language/Translations.h"
#include "toolkit/Application.h"
#include "toolkit/Controls.h"
#include "toolkit/MessageBoxes.h"
#include "toolkit/TextGrid.h"
#include "toolkit/UpDown.h"

#include <QGroupBox>
#include <QPushButton>

using toolkit::MakeLabel;
using toolkit::SansFont;

namespace {

constexpr int StoredRows = 24;
constexpr int RowHeight = 16;
constexpr int FontCellHeight = 10;

}  // namespace

Tndw::Tndw(movement::MovementState& state) : state_(state) {
    setObjectName(QStringLiteral("ndw"));
    setWindowTitle(tr("Numery dowolne <=99"));
    SetFormGeometry(414, 102, 231, 465);
    setFont(SansFont(11, false));
    setAutoFillBackground(true);
}

void Tndw::CreateControlsOnce() {
    CreateControls();
    ConnectHandlers();
    // As the window is read: the grid, then the groups top to bottom and the buttons.
    toolkit::SetTabOrder({Zmna, G[0], G[1], G[2], G[3], Drukowanie, Koniec});
    toolkit::SetReaderName(Zmna, tr("Numery par: stary, nowy"));
}

void Tndw::CreateControls() {
    Label1 = MakeLabel(this, "Label1", tr("Stary Nowy"), 4, 0);
    Label1->setFont(SansFont(13, false));

    Zmna = new toolkit::TextGrid(2, StoredRows, this);
    Zmna->setObjectName(QStringLiteral("Zmna"));
    Zmna->setGeometry(4, 24, 89, 413);
    Zmna->setToolTip(tr("Tabela ręcznej zmiany numerów"));
    Zmna->SetDefaultColumnWidth(30);
    Zmna->SetDefaultRowHeight(RowHeight);
    Zmna->setFont(SansFont(16, false));
    Zmna->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Zmna->SetBackground(toolkit::MenuColour());

    Label3 = MakeLabel(this, "Label3", tr("<- Pojedyńcze zmiany"), 96, 52);
    Label3->setFont(SansFont(11, true));

    ZmGr = new QGroupBox(tr("Zmiana grupami"), this);
    ZmGr->setObjectName(QStringLiteral("ZmGr"));
    ZmGr->setGeometry(100, 132, 117, 193);
    ZmGr->setToolTip(tr("Zmiana numerów w grupach"));
    ZmGr->setFont(SansFont(13, false));
    const std::array<int, movement::RenumberingGroupCount> captionTops = {44, 80, 120, 160};
    const std::array<int, movement::RenumberingGroupCount> spinnerTops = {36, 72, 112, 152};
    const std::array<int, movement::RenumberingGroupCount> spinnerHeights = {24, 24, 25, 24};
    for (int k = 0; k < movement::RenumberingGroupCount; ++k) {
        const QByteArray suffix = QByteArray::number(k);
        Grupa[k] = MakeLabel(ZmGr, ("Grupa" + suffix).constData(), tr("Grupa%1").arg(k), 4, captionTops[k]);
        W[k] = MakeLabel(ZmGr, ("W" + suffix).constData(), QStringLiteral("??"), 68, spinnerTops[k]);
        W[k]->setFont(SansFont(19, false));
        G[k] = new toolkit::UpDown(ZmGr);
        G[k]->setObjectName(QStringLiteral("G%1").arg(k));
        G[k]->setGeometry(96, spinnerTops[k], 16, spinnerHeights[k]);
        G[k]->SetMin(0);
        G[k]->SetMax(movement::MaxGroupShift);
        G[k]->SetIncrement(movement::GroupShiftStep);
        G[k]->SetPosition(0);
    }

    Drukowanie = toolkit::MakeButton(this, "Drukowanie", tr("&Wydruki"), {100, 372, 117, 25});
    Koniec = toolkit::MakeButton(this, "Koniec", tr("Koniec  &Programu"), {100, 404, 117, 25});
    Koniec->setToolTip(tr("Wyjście awaryjne"));
    Label2 = MakeLabel(this, "Label2", QString(), 146, 395);
}

void Tndw::ConnectHandlers() {
    connect(Zmna, &toolkit::TextGrid::Enter, this, &Tndw::ZmnaEnter);
    connect(G[0], &toolkit::UpDown::Click, this, &Tndw::G0Click);
    connect(G[1], &toolkit::UpDown::Click, this, &Tndw::G1Click);
    connect(G[2], &toolkit::UpDown::Click, this, &Tndw::G2Click);
    connect(G[3], &toolkit::UpDown::Click, this, &Tndw::G3Click);
    connect(Drukowanie, &QPushButton::clicked, this, &Tndw::DrukowanieClick);
    connect(Koniec, &QPushButton::clicked, this, &Tndw::KoniecClick);
}

void Tndw::SetGroups(const movement::RenumberingGroups& groups) { Groups = groups; }

int Tndw::PairRows() const { return movement::NumberedPairs(state_.TableCount); }

void Tndw::FormActivate() { LayOutWindow(); }

void Tndw::ZmnaEnter() { LayOutWindow(); }

void Tndw::TitleBarClosed() { emit LeftThroughTitleBar(); }

void Tndw::LayOutWindow() {
    if (!NumbersGridStale) return;
    const std::vector<std::string> numbers = movement::InitialNewNumbers(state_.TableCount);
    const int rows = static_cast<int>(numbers.size());
    // Exactly one row per pair, whatever an earlier opening left.
    Zmna->SetRowCount(rows);
    Zmna->SetDefaultRowHeight(RowHeight);
    Zmna->setFont(toolkit::SansFontOfCellHeight(FontCellHeight, false));
    Zmna->SetCell(0, rows, QString());
    for (int row = 0; row < rows; ++row) {
        Zmna->SetCell(0, row, QString::fromStdString(numbers[row]));
        Zmna->SetCell(1, row, QString::fromStdString(numbers[row]));
    }
    for (int k = 0; k < movement::RenumberingGroupCount; ++k) {
        const QString caption = QString::fromStdString(language::Interface().Say(Groups.GroupText[k]));
        Grupa[k]->SetCaption(caption);
        G[k]->SetReaderCaption(tr("Grupa %1 przesunięta o").arg(caption));
        G[k]->SetPosition(0);
        W[k]->SetCaption(QStringLiteral("0"));
    }
    const bool hasGroup3 = !Groups.GroupCaption[3].empty();
    W[3]->setVisible(hasGroup3);
    G[3]->setVisible(hasGroup3);
    NumbersGridStale = false;
}

std::vector<movement::TypedNumber> Tndw::TypedNumbers() const {
    std::vector<movement::TypedNumber> typed;
    typed.reserve(static_cast<std::size_t>(PairRows()));
    for (int row = 0; row < PairRows(); ++row) typed.push_back({row + 1, Zmna->Cell(1, row).toStdString()});
    return typed;
}

std::vector<std::string> Tndw::NewNumbers() const {
    std::vector<std::string> numbers;
    numbers.reserve(static_cast<std::size_t>(PairRows()));
    for (int row = 0; row < PairRows(); ++row) numbers.push_back(Zmna->Cell(1, row).toStdString());
    return numbers;
}

void Tndw::G0Click() { ShiftGroup(0); }
void Tndw::G1Click() { ShiftGroup(1); }
void Tndw::G2Click() { ShiftGroup(2); }
void Tndw::G3Click() { ShiftGroup(3); }

void Tndw::ShiftGroup(int k) {
    std::vector<std::string> numbers = NewNumbers();
    const int shift = G[k]->Position();
    if (const movement::Outcome shifted = movement::ShiftGroup(Groups, k, shift, state_.RoundCount, numbers);
        !shifted.accepted()) {
        toolkit::ShowMessage(this, QString::fromStdString(language::Interface().Say(shifted.text())));
        return;
    }
    W[k]->SetCaption(QString::number(shift));
    for (int row = 0; row < static_cast<int>(numbers.size()); ++row)
        Zmna->SetCell(1, row, QString::fromStdString(numbers[row]));
}

void Tndw::DrukowanieClick() {
    const movement::Outcome outcome = movement::ApplyArbitraryNumbers(state_, TypedNumbers());
    if (!outcome.accepted()) {
        toolkit::ShowMessage(this, QString::fromStdString(language::Interface().Say(outcome.text())));
        return;
    }
    emit NumbersAccepted();
}

void Tndw::KoniecClick() { toolkit::Terminate(); }
