// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PrintChoice.h"
#include "toolkit/ProgramWindow.h"

#include "movement/MovementState.h"
#include "movement/OpeningSnapshot.h"
#include "movement/Result.h"

#include <string>

class QCheckBox;
class QComboBox;
class QSpinBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace movement {
struct ShippedSchemeFile;
}

namespace printing {
struct PrintReport;
}

namespace toolkit {
class Label;
class ListBox;
class ListedSpinBox;
class RadioGroup;
class UpDown;
}  // namespace toolkit

// The main window: the scheme files and their lines, the table list with the NS/WE swap, the
// print range, the numbering choice, and the buttons to the other windows and to printing. What
// concerns another window it says through its signals; the session answers.
class TDrog : public toolkit::ProgramWindow {
    Q_OBJECT

public:
    explicit TDrog(movement::MovementState& state);

    void FormCreate();
    void FormActivate() override;

    void KoniecClick();
    void KestrelClick();
    void PloverClick();
    void DuzoZbiornicClick();
    void ListBox1DblClick();
    movement::Outcome SelectScheme(int k);  // a refused line is shown, and changes nothing
    void ResetSchemeState();
    void Zakrp();
    void lista_stol();
    void ListBox2DblClick();
    void OdStChanging(int position);
    void DoStChanging(int position);
    void SkkNClick();
    void ZPalcaClick();
    void NzplClick();
    void DrukarkaClick();
    void DrukujClick();
    void PodgladClick();
    void WydrukChange();

    // After a secondary window was left through its title bar: the movement and the numbering
    // as they were when the director opened it.
    void GiveBackOpening();

    // What became of a print or a preview asked for. A refusal asks the director to correct
    // something first, a failure is the platform's; a print done shows its line above "Podgląd",
    // and why its cards wait, if they do.
    void ShowRefusal(const std::string& message);
    void ShowFailure(const std::string& message);
    void ShowPrinted(const printing::PrintReport& report);
    void ClearPrintResult();  // no print to tell of, or one that no longer concerns the movement

    // The controls, named as on the form.
    toolkit::Label* Label6;
    toolkit::Label* Rds;
    toolkit::Label* Sts;
    toolkit::Label* RdSt;
    toolkit::ListBox* ListBox1;
    toolkit::Label* Label4;
    toolkit::ListBox* ListBox2;
    QGroupBox* GroupBox1;
    QPushButton* Kestrel;
    QPushButton* Plover;
    QPushButton* DuzoZbiornic;
    QPushButton* ZPalca;
    toolkit::RadioGroup* SkkN;
    QPushButton* Nzpl;
    QPushButton* Drukarka;
    QCheckBox* BegDoc;
    toolkit::Label* Zakres;
    toolkit::Label* Label2;
    toolkit::Label* LabP;
    toolkit::UpDown* OdSt;
    toolkit::Label* Label3;
    toolkit::Label* LabK;
    toolkit::UpDown* DoSt;
    QPushButton* Drukuj;
    QPushButton* Koniec;
    // What the last print did.
    QLabel* WynikDruku;
    // What to print, the absent pair, the boards, the event, the cards' language and the preview,
    // in a column beside the table list.
    QLabel* LabWydruk;
    QComboBox* Wydruk;
    QLabel* LabNieobecna;
    toolkit::ListedSpinBox* Nieobecna;
    // Which pair of the scheme the absent pair's number means now.
    QLabel* KtoNieobecny;
    QLabel* LabRozdania;
    QSpinBox* Rozdania;
    // The event's line at the foot of every page.
    QLabel* LabTurniej;
    QLineEdit* Turniej;
    // The language of the cards' words, apart from the windows'.
    QLabel* LabJezykKart;
    QComboBox* JezykKart;
    QPushButton* Podglad;

signals:
    void MovementChosen();         // a line of the scheme list became the movement
    void TypingAsked();            // "Z palca"
    void ArbitraryNumbersAsked();  // "Numery dowolne"
    void PrintSettingsAsked();     // "Ustawienia Druku"
    void PrintAsked(const PrintChoice& choice);
    void PreviewAsked(const PrintChoice& choice);

private:
    void CreateControls();
    void ConnectHandlers();
    void SetTabOrder();
    void NameForReaders();
    void LoadSchemeFile(const movement::ShippedSchemeFile& file);
    void ShowStepChoices();
    // "Rund N" and "Stołów M" of the current movement, if there is one.
    void ShowChosenMovement();
    void SetPrintRangeSpinners();
    void ClearSchemeControls();
    void HideSchemeList();
    void ShowPrintResult(const QString& text);
    void CreatePrintChoiceControls();
    // What "Drukuj" and "Podgląd" print, as the controls show it.
    PrintChoice ChosenPrint() const;
    void OfferAbsentPairs();
    void ShowAbsentPairMeaning();

    movement::MovementState& state_;
    movement::OpeningSnapshot opening_;
};
