// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/PrintRun.h"
#include "printing/surfaces/PrintSurface.h"

#include "movement/Result.h"

#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include <functional>
#include <string>
#include <vector>

namespace printing {

// How the PDF's pages are set up.
struct PdfSettings {
    QPageLayout layout;
    int resolution = 600;
};

// The page of a PDF file on paper of the given size: upright, with the margins of 10 points Qt's
// PDF writer gives by default.
QPageLayout PdfPageLayout(const QPageSize& size);

// Prints a run into a PDF file so that nothing of the director's is lost: the output is checked
// first (see ChooseOutputTarget; `inputs` are the scheme files being read), the PDF is written
// to a file without a name and takes its place only once complete (see PendingOutput); any
// failure leaves the output as it was and is refused with its reason in Polish.
movement::Outcome PrintToPdfFile(const std::string& output, const std::vector<std::string>& inputs,
                                 const PdfSettings& settings, const PrintRun& run);

}  // namespace printing
