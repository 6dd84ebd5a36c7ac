// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A print to a file: the output checked before anything is written (OutputTarget), the PDF
// written where nothing is lost until it is complete (PendingOutput), and a pending file removed
// whatever signal ends the program (PendingOutputSignals).
#include "printing/output/OutputTarget.h"
#include "printing/output/PendingOutput.h"
#include "printing/output/PendingOutputSignals.h"
