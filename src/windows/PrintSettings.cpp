// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintSettings.h"

#include "printing/output/QueueJob.h"

#include <QPrinter>

PrintSettings::PrintSettings() = default;
PrintSettings::~PrintSettings() = default;

QPrinter& PrintSettings::Printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

QPrinter& PrintSettings::PreviewPrinter() {
    if (printer_) return *printer_;
    if (!previewPrinter_)
        printing::WithoutPrintServer([this] { previewPrinter_ = std::make_unique<QPrinter>(QPrinter::HighResolution); });
    return *previewPrinter_;
}

bool PrintSettings::PreviewOnPrintServer() const {
    return printer_ && printer_->outputFormat() == QPrinter::NativeFormat;
}

printing::PageMetrics PrintSettings::PreviewPage() {
    if (page_.PageWidth != 0 && page_.PageHeight != 0) return page_;
    return {PreviewPrinter().width(), PreviewPrinter().height()};
}
