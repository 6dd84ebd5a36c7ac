// SPDX-License-Identifier: GPL-3.0-or-later
#include "PdfFileOutput.h"

#include "printing/output/OutputFile.h"
#include "printing/surfaces/QtPrintSurface.h"

#include <QIODevice>
#include <QPdfWriter>

#include <algorithm>
#include <cerrno>
#include <unistd.h>

namespace printing {

namespace {

// Writes straight to a file descriptor and keeps the first error, with its errno, for the
// commit: the PDF writer itself does not report a failed write.
class DescriptorDevice : public QIODevice {
public:
    explicit DescriptorDevice(int fd) : fd_(fd) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }
    int FirstError() const { return firstError_; }

protected:
    qint64 readData(char*, qint64) override { return -1; }

    qint64 writeData(const char* data, qint64 length) override {
        if (firstError_ != 0) return -1;
        qint64 written = 0;
        while (written < length) {
            // At most a gigabyte a call, which write() takes on every system.
            const auto chunk = static_cast<unsigned>(std::min<qint64>(length - written, qint64{1} << 30));
            const ssize_t now = ::write(fd_, data + written, chunk);
            if (now < 0 && errno == EINTR) continue;
            if (now <= 0) {
                firstError_ = now < 0 ? errno : EIO;
                return -1;
            }
            written += now;
        }
        return written;
    }

private:
    int fd_;
    int firstError_ = 0;
};

}  // namespace

QPageLayout PdfPageLayout(const QPageSize& size) {
    return QPageLayout(size, QPageLayout::Portrait, QMarginsF(10, 10, 10, 10), QPageLayout::Point);
}

movement::Outcome PrintToPdfFile(const std::string& output, const std::vector<std::string>& inputs,
                                 const PdfSettings& settings, const PrintRun& run) {
    auto target = ChooseOutputTarget(output, inputs);
    if (!target.accepted()) return target;
    auto pending = PendingOutput::Begin(target.value(), output);
    if (!pending.accepted()) return pending;

    DescriptorDevice device(pending.value().fd());
    {
        QPdfWriter writer(&device);
        writer.setResolution(settings.resolution);
        writer.setPageLayout(settings.layout);
        writer.setCreator(QStringLiteral("Rozstawiki stolikowe"));
        const PageMetrics page{writer.width(), writer.height()};
        QtPrintSurface surface(writer);
        movement::Outcome printed = run(surface, page);
        if (!printed.accepted()) return printed;  // the pending file goes with it
    }
    return pending.value().Commit(device.FirstError());
}

}  // namespace printing
