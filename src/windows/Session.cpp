// SPDX-License-Identifier: GPL-3.0-or-later
#include "Session.h"

#include "Figura.h"
#include "NumDow.h"
#include "Palce.h"
#include "Podglad.h"
#include "PrintRoad.h"
#include "PrintSettings.h"
#include "drkr.h"

#include "language/Translations.h"
#include "movement/ArbitraryNumbers.h"
#include "printing/output/QueueJob.h"
#include "printing/surfaces/QtPrintSurface.h"

#include <initializer_list>

Session::Session(movement::MovementState& state, PrintSettings& settings, printing::PrintSurface* testSurface,
                 TDrog& drog, TUstWydr& ustWydr, TZPL& zpl, Tndw& ndw)
    : state_(state), settings_(settings), testSurface_(testSurface), drog_(drog), ustWydr_(ustWydr), zpl_(zpl), ndw_(ndw) {
    // Closing a secondary window through its title bar hands control back to the main window.
    for (toolkit::ProgramWindow* window : std::initializer_list<toolkit::ProgramWindow*>{&ustWydr_, &zpl_, &ndw_})
        window->SetTitleBarCloseTarget(&drog_);
    ConnectWindows();
}

void Session::ConnectWindows() {
    connect(&drog_, &TDrog::MovementChosen, this, &Session::MovementBecameCurrent);
    connect(&drog_, &TDrog::TypingAsked, this, &Session::OpenTyping);
    connect(&drog_, &TDrog::ArbitraryNumbersAsked, this, &Session::OpenArbitraryNumbers);
    connect(&drog_, &TDrog::PrintSettingsAsked, this, &Session::OpenPrintSettings);
    connect(&drog_, &TDrog::PrintAsked, this, &Session::Print);
    connect(&drog_, &TDrog::PreviewAsked, this, &Session::Preview);
    connect(&ustWydr_, &TUstWydr::PrintsAsked, this, &Session::BackFromPrintSettings);
    connect(&zpl_, &TZPL::TypedMovementAccepted, this, &Session::TakeTypedMovement);
    connect(&zpl_, &TZPL::LeftThroughTitleBar, this, &Session::GiveBackOpening);
    connect(&ndw_, &Tndw::NumbersAccepted, this, &Session::TakeArbitraryNumbers);
    connect(&ndw_, &Tndw::LeftThroughTitleBar, this, &Session::GiveBackOpening);
}

void Session::MovementBecameCurrent() { drog_.ClearPrintResult(); }

void Session::OpenTyping() { drog_.HandOverTo(zpl_); }

void Session::OpenArbitraryNumbers() {
    ndw_.SetGroups(movement::MakeRenumberingGroups(state_.RoundCount, state_.TableCount));
    ndw_.MarkGridStale();
    drog_.HandOverTo(ndw_);
}

void Session::OpenPrintSettings() { drog_.HandOverTo(ustWydr_); }

void Session::BackFromPrintSettings() { ustWydr_.HandOverTo(drog_); }

// The way back to the main window after an accepted movement or accepted numbers rebuilds its
// table list and print range, each in the order of its form.
void Session::TakeTypedMovement() {
    MovementBecameCurrent();
    drog_.lista_stol();
    drog_.Zakrp();
    zpl_.HandOverTo(drog_);
}

void Session::TakeArbitraryNumbers() {
    ndw_.hide();
    drog_.lista_stol();
    drog_.Zakrp();
    drog_.ShowAndActivate();
}

void Session::GiveBackOpening() { drog_.GiveBackOpening(); }

void Session::Print(const PrintChoice& asked) {
    const movement::Result<PrintChoice> choice = CheckedChoice(state_, asked, settings_.Page());
    if (!choice.accepted()) {
        drog_.ShowRefusal(language::Interface().Say(choice.text()));
        return;
    }
    drog_.ClearPrintResult();
    const movement::Result<printing::PrintReport> printed =
        DeliverChoice(settings_, testSurface_, state_, choice.value());
    if (!printed.accepted()) {
        drog_.ShowFailure(language::Interface().Say(printed.text()));
        return;
    }
    drog_.ShowPrinted(printed.value());
}

void Session::Preview(const PrintChoice& asked) {
    // A chosen printer is asked about by Qt's preview, with no time limit of its own; a PDF file,
    // or no print settings yet, needs no print server.
    if (settings_.PreviewOnPrintServer()) {
        if (const movement::Outcome answers = printing::CheckPrintServerAnswers(settings_.printServerSeconds);
            !answers.accepted()) {
            drog_.ShowFailure(language::Interface().Say(answers.text()));
            return;
        }
    }
    // The print's own checks, but before any print settings on the printer's default page.
    const printing::PageMetrics page = settings_.PreviewPage();
    const movement::Result<PrintChoice> choice = CheckedChoice(state_, asked, page);
    if (!choice.accepted()) {
        drog_.ShowRefusal(language::Interface().Say(choice.text()));
        return;
    }
    movement::Outcome drawing = movement::Outcome::Accepted();
    TPodglad preview(
        settings_.PreviewPrinter(),
        [&](QPrinter& pages) {
            printing::QtPrintSurface surface(pages);
            PrintChoice once = choice.value();
            once.run.separateJobs = false;  // the preview shows one run of pages
            const movement::Outcome drawn = DrawChoice(state_, once, page, surface);
            if (!drawn.accepted() && drawing.accepted()) drawing = drawn;
        },
        &drog_);
    preview.exec();
    if (!drawing.accepted()) {
        drog_.ShowFailure(language::Interface().Say(drawing.text()));
        return;
    }
    // Printed as "Drukuj" prints, so that its fate is told as for any print.
    if (preview.PrintAsked()) Print(asked);
}
