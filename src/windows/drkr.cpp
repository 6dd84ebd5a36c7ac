// SPDX-License-Identifier: GPL-3.0-or-later
#include "drkr.h"

#include "PrintSettings.h"
#include "toolkit/Application.h"
#include "toolkit/Controls.h"
#include "toolkit/MemoBox.h"
#include "toolkit/MessageBoxes.h"
#include "toolkit/PrintDialog.h"

#include "language/Translations.h"
#include "printing/output/QueueJob.h"

#include <QPrinter>
#include <QPushButton>

using toolkit::SansFont;

namespace {

// The help text under its first line "Info" and an empty line, which stand above the window's
// top edge, paragraph by paragraph, each broken into the lines the window shows. Its second
// remark says what the print dialog offers on the system the program runs on.
const char* const HelpText[] = {
    QT_TRANSLATE_NOOP("TUstWydr",
                      " Właściwe ustawienie parametrów wydruku wymaga poza wyborem drukarki\n"
                      " odczytania z jej sterownika wysokości i szerokości ustawionych dla\n"
                      " aktualnych parametrów strony. Pobrane dane służą do skalowania wydruku.\n"
                      " Niekiedy trzeba oszukać system, podając mu nieprawdziwe dane.\n"
                      " Przykład: chemy wydrukować na drukarce igłowej, na składance 8,5*12 cali,\n"
                      " rozstawiki po dwa na stronę - naciskamy kl. \"ParamStr\", ustawiamy na\n"
                      " ekranie dialogu wydruku format papieru 8,5*12 cali, akceptujemy klawi-\n"
                      " szami OK, by po naciśnięciu klawisza \"ParamDr\" ustawić w analogiczny\n"
                      " sposób format papieru na 8,5*6 cali. W okienku tym dokonujemy również\n"
                      " wszystkich innych ustawień, takich jak np. ilość kopii. Po naciśnięciu\n"
                      " klawisza \"Wydruki\" ustawiamy w formularzu wydruku co i jak chcemy dru-\n"
                      " kować i puszczamy wydruk.\n"
                      " Z formularza wydruku możemy w każdej chwili wrócić do ustawiania para-\n"
                      " metrów wydruku naciskając klawisz \"Ustawienia Druku\"."),
    QT_TRANSLATE_NOOP("TUstWydr", " UWAGI 1.Bez pobrania parametrów program drukowania nie wystartuje."),
#ifdef _WIN32
    // What the printer drivers of Windows offer.
    QT_TRANSLATE_NOOP("TUstWydr",
                      "            2.Jeśli drukujemy na drukarce z zainstalowanymi fontami \n"
                      "               należy w \"ParamDr\" ustawić tryb wydruku na \"Kopiuj \n"
                      "               czcionki jako mapy bitowe\". Ustawienie takie może być\n"
                      "               wykonane również w systemie Windows."),
#else
    // Qt's print dialog on the print server (CUPS): the cards go as PDF, fonts and all.
    QT_TRANSLATE_NOOP("TUstWydr",
                      "            2.Dialog wydruku pokazuje drukarki serwera wydruku (CUPS)\n"
                      "               tego komputera; zamiast drukarki można w nim wybrać\n"
                      "               zapis do pliku PDF. Opcje drukarki (np. druk dwu-\n"
                      "               stronny) ustawia się przyciskiem \"Właściwości\"."),
#endif
    QT_TRANSLATE_NOOP("TUstWydr",
                      "            3.Drukarki z małą pamięcią mogą stwarzać problemy przy wy-\n"
                      "              druku kilku stron. Dotyczy to zwłaszcza drukarek siecio-\n"
                      "              wych. Efekt ten nie występuje w drukarkach bez pamięci."),
};

}  // namespace

TUstWydr::TUstWydr(PrintSettings& settings) : settings_(settings) {
    setObjectName(QStringLiteral("UstWydr"));
    setWindowTitle(tr("Ustawienie parametrów drukowania"));
    SetFormGeometry(79, 103, 479, 437);
    setFont(SansFont(11, false));
}

void TUstWydr::CreateControlsOnce() {
    CreateControls();
    // As the window is read: the help, then the buttons row by row.
    toolkit::SetTabOrder({Info, ParaStr, Wydruki, ParaDr, Koniec});
    toolkit::SetReaderName(Info, tr("Pomoc do ustawień druku"));
    connect(ParaStr, &QPushButton::clicked, this, &TUstWydr::ParaStrClick);
    connect(ParaDr, &QPushButton::clicked, this, &TUstWydr::ParaDrClick);
    connect(Wydruki, &QPushButton::clicked, this, &TUstWydr::WydrukiClick);
    connect(Koniec, &QPushButton::clicked, this, &TUstWydr::KoniecClick);
    FormCreate();
}

void TUstWydr::CreateControls() {
    wsx = toolkit::MakeLabel(this, "wsx", tr("wsp. x=%1").arg(QString()), 88, 300);
    wsy = toolkit::MakeLabel(this, "wsy", tr("wsp. y=%1").arg(QString()), 88, 320);
    for (toolkit::Label* label : {wsx, wsy}) label->setFont(SansFont(16, false));
    ParaStr = toolkit::MakeButton(this, "ParaStr", tr("&ParamStr"), {84, 344, 133, 25});
    Koniec = toolkit::MakeButton(this, "Koniec", tr("&Koniec"), {264, 376, 121, 25});
    ParaDr = toolkit::MakeButton(this, "ParaDr", tr("&ParamDr"), {88, 376, 129, 25});
    Wydruki = toolkit::MakeButton(this, "Wydruki", tr("&Wydruki"), {264, 344, 121, 25});
    for (QPushButton* button : {ParaStr, Koniec, ParaDr, Wydruki}) button->setFont(SansFont(16, false));

    Info = new toolkit::MemoBox(this);
    Info->setObjectName(QStringLiteral("Info"));
    Info->setGeometry(8, -32, 457, 325);
    Info->setFont(SansFont(11, true));
    Info->setFrameShape(QFrame::NoFrame);
    // "Info" and the empty line stand above the window's top edge, and nothing of the help text.
    Info->StartLineAtParentTop(2);
    Info->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Info->AppendLine(tr("Info"));
}

void TUstWydr::FormCreate() {
    QStringList lines = {QString()};
    for (const char* paragraph : HelpText) lines.append(tr(paragraph).split(QLatin1Char('\n')));
    Info->AppendLines(lines);
}

void TUstWydr::FormActivate() { ShowMetrics(); }

void TUstWydr::ShowMetrics() {
    const printing::PageMetrics& page = settings_.Page();
    wsx->SetCaption(tr("wsp. x=%1").arg(page.PageWidth != 0 ? QString::number(page.PageWidth) : QString()));
    wsy->SetCaption(tr("wsp. y=%1").arg(page.PageHeight != 0 ? QString::number(page.PageHeight) : QString()));
}

bool TUstWydr::ExecutePrintDialog() {
    // The printer object and the dialog ask the print server with no time limit of their own.
    if (const movement::Outcome answers = printing::CheckPrintServerAnswers(settings_.printServerSeconds);
        !answers.accepted()) {
        toolkit::ShowErrorReport(this, QString::fromStdString(language::Interface().Say(answers.text())));
        return false;
    }
    return toolkit::ExecutePrintDialog(settings_.Printer(), settings_.ChosenOutput(), this);
}

void TUstWydr::ParaStrClick() {
    wsx->hide();
    wsy->hide();
    const bool accepted = ExecutePrintDialog();
    // The metrics measured before still apply after a cancel, and are shown as such.
    wsx->show();
    wsy->show();
    if (accepted) {
        printing::PageMetrics& page = settings_.Page();
        page.PageHeight = settings_.Printer().height();
        page.PageWidth = settings_.Printer().width();
    }
    ShowMetrics();
}

void TUstWydr::ParaDrClick() { ExecutePrintDialog(); }

void TUstWydr::WydrukiClick() { emit PrintsAsked(); }

void TUstWydr::KoniecClick() { toolkit::Terminate(); }
