// SPDX-License-Identifier: GPL-3.0-or-later
#include "QueueOutput.h"

#include "printing/surfaces/QtPrintSurface.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QPrintEngine>
#include <QPrinter>

#include <memory>

namespace printing {

namespace {

// Where Qt's print dialog keeps the CUPS options it sets on a printer, as name, value, name...
const auto CupsOptionsProperty = QPrintEngine::PrintEnginePropertyKey(0xfe00);

// Draws each job into a PDF of its own in memory and hands it, complete, to `send`; a job the
// sender refuses fails the job's end, with the sender's reason.
class PdfJobSurface : public PrintSurface {
public:
    using Send = std::function<movement::Outcome(const QByteArray& pdf, const std::string& title)>;

    PdfJobSurface(const PdfSettings& settings, Send send) : settings_(settings), send_(std::move(send)) { Fresh(); }

    PageMetrics Page() const { return {writer_->width(), writer_->height()}; }

    movement::Outcome BeginDoc(const std::string& title) override {
        if (used_) Fresh();
        used_ = true;
        title_ = title;
        return pdf_->BeginDoc(title);
    }
    movement::Outcome NewPage() override { return pdf_->NewPage(); }
    movement::Outcome EndDoc() override {
        if (movement::Outcome ended = pdf_->EndDoc(); !ended.accepted()) return ended;
        return send_(buffer_->data(), title_);
    }
    void AbortDoc() override { pdf_->AbortDoc(); }
    bool WritesToFile() const override { return false; }

    void TextOut(int x, int y, const std::string& text) override { pdf_->TextOut(x, y, text); }
    void MoveTo(int x, int y) override { pdf_->MoveTo(x, y); }
    void LineTo(int x, int y) override { pdf_->LineTo(x, y); }
    void FillRect(int x, int y, int width, int height) override { pdf_->FillRect(x, y, width, height); }
    void SetFontName(const std::string& name) override { pdf_->SetFontName(name); }
    void SetFontSize(int points) override { pdf_->SetFontSize(points); }
    void SetFontStyle(FontStyle style) override { pdf_->SetFontStyle(style); }
    void SetPenWidth(int pixels) override { pdf_->SetPenWidth(pixels); }
    double TextWidth(const std::string& text, int points) override { return pdf_->TextWidth(text, points); }
    double PixelsPerPoint() const override { return pdf_->PixelsPerPoint(); }

private:
    // A new document: a writer is written once.
    void Fresh() {
        pdf_.reset();
        writer_.reset();
        buffer_ = std::make_unique<QBuffer>();
        buffer_->open(QIODevice::WriteOnly);
        writer_ = std::make_unique<QPdfWriter>(buffer_.get());
        writer_->setResolution(settings_.resolution);
        writer_->setPageLayout(settings_.layout);
        writer_->setCreator(QStringLiteral("Rozstawiki stolikowe"));
        pdf_ = std::make_unique<QtPrintSurface>(*writer_);
    }

    PdfSettings settings_;
    Send send_;
    std::unique_ptr<QBuffer> buffer_;
    std::unique_ptr<QPdfWriter> writer_;
    std::unique_ptr<QtPrintSurface> pdf_;
    bool used_ = false;
    std::string title_;
};

}  // namespace

QueueJob QueueJobOf(const QPrinter& printer) {
    QueueJob job = PrinterSettingsJobOf(printer);
    auto& options = job.options;
    const QStringList chosen = printer.printEngine()->property(CupsOptionsProperty).toStringList();
    for (qsizetype i = 0; i + 1 < chosen.size(); i += 2)
        options.emplace_back(chosen[i].toStdString(), chosen[i + 1].toStdString());
    return job;
}

movement::Result<JobFate> PrintToQueue(const QueueJob& job, const PdfSettings& settings, const PrintRun& run) {
    JobFate fate = JobFate::Printing;
    PdfJobSurface surface(settings, [&](const QByteArray& pdf, const std::string& title) {
        QueueJob titled = job;
        titled.title = title;
        const auto sent =
            SendPdfToQueue(titled, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
        if (!sent.accepted()) return movement::Outcome(sent);
        if (sent.value() != JobFate::Printing) fate = sent.value();
        return movement::Outcome::Accepted();
    });
    const movement::Outcome printed = run(surface, surface.Page());
    if (!printed.accepted()) return printed;
    return movement::Result<JobFate>::Accepted(fate);
}

}  // namespace printing
