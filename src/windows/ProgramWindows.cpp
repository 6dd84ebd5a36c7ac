// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramWindows.h"

#include "Figura.h"
#include "NumDow.h"
#include "Palce.h"
#include "Session.h"
#include "drkr.h"

#include "toolkit/Application.h"

#include "movement/DataFolders.h"
#include "printing/output/PendingOutputSignals.h"
#include "printing/output/QueueJob.h"

#include <QApplication>
#include <QCoreApplication>

ProgramWindows::ProgramWindows(movement::MovementState& state, printing::PrintSurface* testSurface)
    : drog_(std::make_unique<TDrog>(state)),
      ustWydr_(std::make_unique<TUstWydr>(settings_)),
      zpl_(std::make_unique<TZPL>(state)),
      ndw_(std::make_unique<Tndw>(state)),
      session_(std::make_unique<Session>(state, settings_, testSurface, *drog_, *ustWydr_, *zpl_, *ndw_)) {
    // A print server that is slow to answer leaves the windows drawn, but takes no clicks meanwhile.
    printing::SetWhileWaiting([] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
}

ProgramWindows::~ProgramWindows() { printing::SetWhileWaiting(nullptr); }

void ProgramWindows::Start() { drog_->ShowAndActivate(); }

TUstWydr& ProgramWindows::UstWydr() {
    ustWydr_->MakeControls();
    return *ustWydr_;
}

TZPL& ProgramWindows::ZPL() {
    zpl_->MakeControls();
    return *zpl_;
}

Tndw& ProgramWindows::ndw() {
    ndw_->MakeControls();
    return *ndw_;
}

std::unique_ptr<ProgramWindows> StartProgram(QApplication& application, movement::MovementState& state) {
    toolkit::SetUpApplication(application);
    // The desktop matches the windows with the menu entry (and its icon) by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(ROZSTAWIKI_DESKTOP_ID));
    printing::RemovePendingOutputOnSignals();
    state.DataFolders = movement::DataFolders(QCoreApplication::applicationFilePath().toStdString());
    auto windows = std::make_unique<ProgramWindows>(state);
    windows->Start();
    return windows;
}
