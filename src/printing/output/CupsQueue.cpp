// SPDX-License-Identifier: GPL-3.0-or-later
// The print queue on Unix: every job is drawn into a PDF of its own in memory and sent, complete,
// to a CUPS queue, which confirms it (SendPdfToQueue).
#include "printing/output/PrintQueue.h"
#include "printing/output/PrintServerJob.h"
#include "printing/surfaces/QtPrintSurface.h"

#include <QBuffer>
#include <QPdfWriter>

#include <memory>
#include <string_view>
#include <utility>

namespace printing {

namespace {

class CupsQueue : public PrintQueue {
public:
    CupsQueue(QueueJob job, const PdfSettings& settings) : job_(std::move(job)), settings_(settings) { Fresh(); }

    PrintSurface& Surface() override { return *pdf_; }
    PageMetrics Page() override { return {writer_->width(), writer_->height()}; }

    movement::Result<JobFate> SendJob(const std::string& title) override {
        job_.title = title;
        const QByteArray& pdf = buffer_->data();
        auto sent = SendPdfToQueue(job_, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
        Fresh();
        return sent;
    }

private:
    // A new document for the next job: a writer is written once.
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

    QueueJob job_;
    PdfSettings settings_;
    std::unique_ptr<QBuffer> buffer_;
    std::unique_ptr<QPdfWriter> writer_;
    std::unique_ptr<QtPrintSurface> pdf_;
};

}  // namespace

// Whether the queue is there the print server says as the first job goes.
movement::Result<std::unique_ptr<PrintQueue>> OpenPrintQueue(const QueueJob& job, const PdfSettings& settings) {
    return movement::Result<std::unique_ptr<PrintQueue>>::Accepted(std::make_unique<CupsQueue>(job, settings));
}

}  // namespace printing
