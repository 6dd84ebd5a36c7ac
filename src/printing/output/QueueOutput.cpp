// SPDX-License-Identifier: GPL-3.0-or-later
// A run on a print queue, the same on every system: the queue is the system's own (PrintQueue.h).
#include "QueueOutput.h"

#include "printing/output/PrintQueue.h"
#include "printing/output/QueueTexts.h"

namespace printing {

namespace {

// The queue's surface, which sends every job as it ends and keeps how the queue took them.
class JobsToQueue : public PrintSurface {
public:
    explicit JobsToQueue(PrintQueue& queue) : queue_(queue) {}

    JobFate Fate() const { return fate_; }

    movement::Outcome BeginDoc(const std::string& title) override {
        title_ = title;
        return queue_.Surface().BeginDoc(title);
    }
    movement::Outcome NewPage() override { return queue_.Surface().NewPage(); }
    movement::Outcome EndDoc() override {
        if (movement::Outcome ended = queue_.Surface().EndDoc(); !ended.accepted()) return ended;
        const movement::Result<JobFate> sent = queue_.SendJob(title_);
        if (!sent.accepted()) return sent;
        if (sent.value() != JobFate::Printing) fate_ = sent.value();
        return movement::Outcome::Accepted();
    }
    void AbortDoc() override { queue_.Surface().AbortDoc(); }
    bool WritesToFile() const override { return false; }

    void TextOut(int x, int y, const std::string& text) override { queue_.Surface().TextOut(x, y, text); }
    void MoveTo(int x, int y) override { queue_.Surface().MoveTo(x, y); }
    void LineTo(int x, int y) override { queue_.Surface().LineTo(x, y); }
    void FillRect(int x, int y, int width, int height) override { queue_.Surface().FillRect(x, y, width, height); }
    void SetFontName(const std::string& name) override { queue_.Surface().SetFontName(name); }
    void SetFontSize(int points) override { queue_.Surface().SetFontSize(points); }
    void SetFontStyle(FontStyle style) override { queue_.Surface().SetFontStyle(style); }
    void SetPenWidth(int pixels) override { queue_.Surface().SetPenWidth(pixels); }
    double TextWidth(const std::string& text, int points) override { return queue_.Surface().TextWidth(text, points); }
    double PixelsPerPoint() const override { return queue_.Surface().PixelsPerPoint(); }

private:
    PrintQueue& queue_;
    std::string title_;
    JobFate fate_ = JobFate::Printing;
};

}  // namespace

movement::Result<JobFate> PrintToQueue(const QueueJob& job, const PdfSettings& settings, const PrintRun& run) {
    if (job.printer.empty()) return movement::Result<JobFate>::Refused(NoPrinterChosen());
    movement::Result<std::unique_ptr<PrintQueue>> opened = OpenPrintQueue(job, settings);
    if (!opened.accepted()) return opened;
    PrintQueue& queue = *opened.value();
    JobsToQueue surface(queue);
    const movement::Outcome printed = run(surface, queue.Page());
    if (!printed.accepted()) return printed;
    return movement::Result<JobFate>::Accepted(surface.Fate());
}

}  // namespace printing
