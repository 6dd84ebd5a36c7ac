// SPDX-License-Identifier: GPL-3.0-or-later
#include "PdfFileOutput.h"

#include "printing/output/OutputFile.h"
#include "printing/surfaces/QtPrintSurface.h"

#include <QIODevice>
#include <QPdfWriter>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <unistd.h>
#include <vector>

namespace printing {

namespace {

// Writes to a file descriptor in large pieces (the PDF writer hands over a few bytes at a time)
// and keeps the first error, with its errno, for the commit: the PDF writer itself does not
// report a failed write.
class DescriptorDevice : public QIODevice {
public:
    explicit DescriptorDevice(int fd) : fd_(fd) {
        buffer_.reserve(BufferSize);
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }
    // Writes what is still held; the first error of all the writes, 0 for none.
    int Finish() {
        WriteHeld();
        return firstError_;
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }

    qint64 writeData(const char* data, qint64 length) override {
        if (firstError_ != 0) return -1;
        buffer_.insert(buffer_.end(), data, data + length);
        if (buffer_.size() >= BufferSize) WriteHeld();
        return firstError_ != 0 ? -1 : length;
    }

private:
    static constexpr std::size_t BufferSize = std::size_t{256} * 1024;

    void WriteHeld() {
        std::size_t written = 0;
        while (firstError_ == 0 && written < buffer_.size()) {
            // At most a gigabyte a call, in the type write() takes on every system.
            const auto chunk =
                static_cast<unsigned>(std::min<std::size_t>(buffer_.size() - written, std::size_t{1} << 30));
            const auto now = ::write(fd_, buffer_.data() + written, chunk);
            if (now < 0 && errno == EINTR) continue;
            if (now <= 0) {
                firstError_ = now < 0 ? errno : EIO;
                break;
            }
            written += static_cast<std::size_t>(now);
        }
        buffer_.clear();
    }

    int fd_;
    int firstError_ = 0;
    std::vector<char> buffer_;
};

}  // namespace

QPageLayout PdfPageLayout(const QPageSize& size) {
    return QPageLayout(size, QPageLayout::Portrait, QMarginsF(10, 10, 10, 10), QPageLayout::Point);
}

movement::Outcome PrintToPdfFile(const std::string& output, const std::vector<std::string>& inputs,
                                 const PdfSettings& settings, const PrintRun& run) {
    auto pending = PendingOutput::Begin(output, inputs);
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
    return pending.value().Commit(device.Finish());
}

}  // namespace printing
