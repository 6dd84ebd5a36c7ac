#include "OutputFile.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace printing {

using movement::Outcome;
using movement::Result;

namespace {

constexpr int MaxLinkSteps = 40;
constexpr std::string_view PdfSignature = "%PDF-";

// The pending file's name for the signal handler, which may only call what is safe there.
std::array<char, 8192> pendingName{};
volatile std::sig_atomic_t pendingNameSet = 0;

void RememberPending(const std::string& name) {
    pendingNameSet = 0;
    if (name.size() >= pendingName.size()) return;
    std::memcpy(pendingName.data(), name.c_str(), name.size() + 1);
    pendingNameSet = 1;
}

void ForgetPending() { pendingNameSet = 0; }

extern "C" void RemovePendingAndEnd(int signal) {
    if (pendingNameSet != 0) ::unlink(pendingName.data());
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string CannotWrite(const std::string& shownName, const std::string& reason) {
    return "Nie można zapisać pliku " + shownName + ": " + reason + ".";
}

bool SameFile(const struct stat& a, const std::string& other) {
    struct stat b {};
    return ::stat(other.c_str(), &b) == 0 && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Whether an existing regular file holds a PDF (or nothing yet), judged by its first bytes.
Result<bool> HoldsPdfOrNothing(const std::string& path, off_t size) {
    if (size == 0) return Result<bool>::Accepted(true);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return Result<bool>::Refused(WriteErrorText(errno));
    std::array<char, PdfSignature.size()> head{};
    const ssize_t got = ::read(fd, head.data(), head.size());
    ::close(fd);
    return Result<bool>::Accepted(got == static_cast<ssize_t>(head.size()) &&
                                  std::string_view(head.data(), head.size()) == PdfSignature);
}

}  // namespace

std::string WriteErrorText(int error) {
    switch (error) {
        case ENOSPC:
            return "brak miejsca na dysku";
        case EDQUOT:
            return "wyczerpany przydział miejsca na dysku";
        case EFBIG:
            return "plik przekroczył dopuszczalny rozmiar";
        case EACCES:
        case EPERM:
            return "brak uprawnień";
        case EROFS:
            return "dysk jest tylko do odczytu";
        case EIO:
            return "błąd wejścia-wyjścia dysku";
        case ENOENT:
        case ENOTDIR:
            return "folder nie istnieje";
        case ENAMETOOLONG:
            return "za długa nazwa";
        case ELOOP:
            return "dowiązania symboliczne tworzą pętlę";
        default:
            return "błąd systemu nr " + std::to_string(error) + " (" + std::strerror(error) + ")";
    }
}

Result<OutputTarget> ChooseOutputTarget(const std::string& output, const std::vector<std::string>& inputs) {
    const auto refused = [&](const std::string& reason) {
        return Result<OutputTarget>::Refused(CannotWrite(output, reason));
    };
    if (output.empty()) return refused("pusta nazwa");

    // A symbolic link stays a link: the file it leads to is written.
    OutputTarget target;
    target.path = output;
    struct stat status {};
    for (int step = 0;; ++step) {
        if (step == MaxLinkSteps) return refused(WriteErrorText(ELOOP));
        if (::lstat(target.path.c_str(), &status) != 0) {
            if (errno != ENOENT) return refused(WriteErrorText(errno));
            break;
        }
        if (!S_ISLNK(status.st_mode)) {
            target.exists = true;
            break;
        }
        std::array<char, 8192> link{};
        const ssize_t length = ::readlink(target.path.c_str(), link.data(), link.size());
        if (length < 0 || length == static_cast<ssize_t>(link.size())) return refused(WriteErrorText(errno));
        const std::string leadsTo(link.data(), static_cast<std::size_t>(length));
        target.path = leadsTo.front() == '/' ? leadsTo : FolderOf(target.path) + "/" + leadsTo;
    }

    if (!target.exists) {
        struct stat folder {};
        if (::stat(FolderOf(target.path).c_str(), &folder) != 0) return refused(WriteErrorText(errno));
        if (!S_ISDIR(folder.st_mode)) return refused(WriteErrorText(ENOTDIR));
        return Result<OutputTarget>::Accepted(std::move(target));
    }

    if (!S_ISREG(status.st_mode))
        return refused(S_ISDIR(status.st_mode) ? "to folder"
                                               : "to nie jest zwykły plik (np. kolejka FIFO albo urządzenie)");
    for (const std::string& input : inputs)
        if (SameFile(status, input)) return refused("to plik schematów, z którego czytane są rozstawiki");
    const Result<bool> pdf = HoldsPdfOrNothing(target.path, status.st_size);
    if (!pdf.accepted()) return refused(pdf.message());
    if (!pdf.value()) return refused("plik istnieje i nie jest plikiem PDF, więc nie zostanie zastąpiony");

    target.mode = status.st_mode & 07777;
    target.owner = status.st_uid;
    target.group = status.st_gid;
    return Result<OutputTarget>::Accepted(std::move(target));
}

PendingOutput::PendingOutput(std::string temporary, std::string finalPath, std::string shownName, OutputTarget target,
                             int fd)
    : temporary_(std::move(temporary)),
      finalPath_(std::move(finalPath)),
      shownName_(std::move(shownName)),
      target_(std::move(target)),
      fd_(fd) {}

PendingOutput::PendingOutput(PendingOutput&& other) noexcept
    : temporary_(std::move(other.temporary_)),
      finalPath_(std::move(other.finalPath_)),
      shownName_(std::move(other.shownName_)),
      target_(std::move(other.target_)),
      fd_(std::exchange(other.fd_, -1)) {
    other.temporary_.clear();
}

PendingOutput::~PendingOutput() { Drop(); }

Result<PendingOutput> PendingOutput::Begin(const OutputTarget& target, const std::string& shownName) {
    std::string name = FolderOf(target.path) + "/." + NameOf(target.path) + ".rozstawiki-XXXXXX";
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) return Result<PendingOutput>::Refused(CannotWrite(shownName, WriteErrorText(errno)));
    RememberPending(name);
    return Result<PendingOutput>::Accepted(PendingOutput(name, target.path, shownName, target, fd));
}

void PendingOutput::Drop() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
        ForgetPending();
    }
    temporary_.clear();
}

Outcome PendingOutput::Commit(int writeError) {
    const auto failed = [&](int error) {
        Drop();
        return Outcome::Refused(CannotWrite(shownName_, WriteErrorText(error)));
    };
    if (fd_ < 0 || temporary_.empty()) return failed(EBADF);
    if (writeError != 0) return failed(writeError);
    if (::fsync(fd_) != 0) return failed(errno);

    if (target_.exists) {
        if (::fchmod(fd_, target_.mode) != 0) return failed(errno);
        // Only root may give a file away; a file of one's own keeps its owner anyway.
        if (::fchown(fd_, target_.owner, target_.group) != 0 && errno != EPERM) return failed(errno);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        if (::fchmod(fd_, 0666 & ~mask) != 0) return failed(errno);
    }
    const int fd = std::exchange(fd_, -1);
    if (::close(fd) != 0) return failed(errno);
    if (::rename(temporary_.c_str(), finalPath_.c_str()) != 0) return failed(errno);
    temporary_.clear();
    ForgetPending();
    return Outcome::Accepted();
}

void RemovePendingOutputOnSignals() {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) std::signal(signal, RemovePendingAndEnd);
    std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace printing
