// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PrintChoice.h"

#include "movement/MovementState.h"
#include "movement/Result.h"
#include "printing/PrintRun.h"
#include "printing/output/PrintReport.h"

class PrintSettings;

namespace printing {
class PrintSurface;
}

// How the windows print what the director chose, the print and its preview alike.

// Refused as the print command is (without a numbering, under one that gives two pairs one number,
// without page metrics), then when the absent pair's number is no longer one pair's; accepted with
// the absent pair as numbered in the scheme.
movement::Result<PrintChoice> CheckedChoice(const movement::MovementState& state, const PrintChoice& asked,
                                            const printing::PageMetrics& page);

// What one run of a checked choice draws, on any surface with the given page: the preview's too.
movement::Outcome DrawChoice(const movement::MovementState& state, const PrintChoice& choice,
                             const printing::PageMetrics& page, printing::PrintSurface& surface,
                             const printing::Copies& copies = {});

// A checked choice with the measured page: on the surface a test passed in, into the PDF file the
// print dialog chose (safely, see PrintToPdfFile), or to the printer's queue (see PrintToQueue).
// Accepted with what became of it.
movement::Result<printing::PrintReport> DeliverChoice(PrintSettings& settings, printing::PrintSurface* testSurface,
                                                      const movement::MovementState& state, const PrintChoice& choice);
