// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExampleMovements.h"
#include "FileSystems.h"
#include "Sanitizers.h"

#include "printing/output/OutputFile.h"

#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <linux/fs.h>
#include <optional>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace printing {
namespace {

namespace fs = std::filesystem;
using movement::testing::Ext2;
using movement::testing::Fuse;
using movement::testing::Mounted;
using movement::testing::TempFolder;
using movement::testing::WaitForTheFolder;

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The names in a folder, to see that no pending file is left behind.
std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Writes `bytes` to `output` the way a print to file does; the first write error is committed.
movement::Outcome WriteOutput(const std::string& output, const std::string& bytes,
                              const std::vector<std::string>& inputs = {}) {
    auto pending = PendingOutput::Begin(output, inputs);
    if (!pending.accepted()) return movement::Outcome::Refused(pending.message());
    int error = 0;
    for (std::size_t at = 0; at < bytes.size() && error == 0;) {
        const ssize_t now = ::write(pending.value().fd(), bytes.data() + at, bytes.size() - at);
        if (now < 0)
            error = errno;
        else
            at += static_cast<std::size_t>(now);
    }
    return pending.value().Commit(error);
}

// An extended attribute of a file, empty when it has none.
std::string Attribute(const std::string& path, const char* name) {
    std::array<char, 256> value{};
    const ssize_t size = ::getxattr(path.c_str(), name, value.data(), value.size());
    return size < 0 ? std::string() : std::string(value.data(), static_cast<std::size_t>(size));
}

// A pending file begun and written, its commit left to the test.
struct Begun {
    std::optional<PendingOutput> pending;
};
Begun BeginOutput(const std::string& output, const std::string& bytes) {
    Begun begun;
    auto pending = PendingOutput::Begin(output, {});
    if (!pending.accepted()) return begun;
    begun.pending.emplace(std::move(pending.value()));
    if (::write(begun.pending->fd(), bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
        begun.pending.reset();
    return begun;
}

// The exit status of `work` run in a child process as user 65534, or -1 when it did not end by itself.
int AsAnotherUser(const std::function<bool()>& work) {
    const pid_t child = ::fork();
    if (child < 0) return -1;
    if (child == 0) {
        if (::setresgid(65534, 65534, 65534) != 0 || ::setresuid(65534, 65534, 65534) != 0) ::_exit(9);
        ::_exit(work() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class OutputFile : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const std::string& bytes) { return folder.Write(name, bytes); }
    std::string Path(const std::string& name) const { return folder.PathOf(name); }

    TempFolder folder;
};

TEST_F(OutputFile, ANewFileIsWrittenWholeUnderItsNameByteForByte) {
    const std::string name = Path("karty-\xff\xfe.pdf");  // no UTF-8
    ASSERT_TRUE(WriteOutput(name, "%PDF-1.4 nowe").accepted());
    EXPECT_EQ(ReadAll(name), "%PDF-1.4 nowe");
    EXPECT_EQ(Names(Path("")), (std::vector<std::string>{"karty-\xff\xfe.pdf"}));
}

TEST_F(OutputFile, WhatTheDirectorDidNotMeanIsRefusedAndLeftAsItWas) {
    const std::string scheme = Write("HowellKS.txt", "7 4 8 1 5 6 2 4 0 3 7\n");
    const std::string letter = Write("list.txt", "Drogi Panie Sędzio");
    ::mkfifo(Path("kolejka").c_str(), 0644);
    fs::create_directory(Path("folder"));
    fs::create_symlink("HowellKS.txt", Path("do-schematu.pdf"));

    const struct {
        std::string output;
        std::string reason;
    } cases[] = {
        {scheme, "to plik schematów, z którego czytane są rozstawiki"},
        {Path("do-schematu.pdf"), "to plik schematów, z którego czytane są rozstawiki"},
        {letter, "plik istnieje i nie jest plikiem PDF, więc nie zostanie zastąpiony"},
        {Path("kolejka"), "to nie jest zwykły plik (np. kolejka FIFO albo urządzenie)"},
        {"/dev/null", "to nie jest zwykły plik (np. kolejka FIFO albo urządzenie)"},
        {Path("folder"), "to folder"},
        {Path("brak/karty.pdf"), "folder nie istnieje"},
    };
    for (const auto& [output, reason] : cases)
        EXPECT_EQ(WriteOutput(output, "%PDF-1.4", {scheme}).message(),
                  "Nie można zapisać pliku " + output + ": " + reason + ".");
    EXPECT_EQ(ReadAll(scheme), "7 4 8 1 5 6 2 4 0 3 7\n");
    EXPECT_EQ(ReadAll(letter), "Drogi Panie Sędzio");
    EXPECT_TRUE(fs::is_symlink(Path("do-schematu.pdf")));
    EXPECT_EQ(Names(Path("")),
              (std::vector<std::string>{"HowellKS.txt", "do-schematu.pdf", "folder", "kolejka", "list.txt"}));
}

TEST_F(OutputFile, ALinkIsFollowedAndStaysALinkAndAnOldPdfKeepsItsPermissionsAndOwner) {
    const std::string old = Write("stare.pdf", "%PDF-1.4 stare");
    ::chmod(old.c_str(), 0640);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(old.c_str(), 65534, 65534), 0);
    }
    fs::create_symlink("stare.pdf", Path("karty.pdf"));
    fs::create_symlink("nowe.pdf", Path("wiszące.pdf"));  // leads to a file not yet there

    ASSERT_TRUE(WriteOutput(Path("karty.pdf"), "%PDF-1.4 nowe").accepted());
    ASSERT_TRUE(WriteOutput(Path("wiszące.pdf"), "%PDF-1.4 trzecie").accepted());

    EXPECT_TRUE(fs::is_symlink(Path("karty.pdf")));
    EXPECT_EQ(ReadAll(old), "%PDF-1.4 nowe");
    EXPECT_TRUE(fs::is_symlink(Path("wiszące.pdf")));
    EXPECT_EQ(ReadAll(Path("nowe.pdf")), "%PDF-1.4 trzecie");

    // A file with a second name (a hard link) keeps it, and both names show the new cards.
    fs::create_hard_link(Path("nowe.pdf"), Path("kopia.pdf"));
    ASSERT_TRUE(WriteOutput(Path("nowe.pdf"), "%PDF-1.4 czwarte").accepted());
    EXPECT_EQ(ReadAll(Path("kopia.pdf")), "%PDF-1.4 czwarte");
    EXPECT_EQ(fs::hard_link_count(Path("nowe.pdf")), 2u);
    struct stat status {};
    ASSERT_EQ(::stat(old.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(status.st_uid, 65534u);
    }
}

TEST_F(OutputFile, AnOldFileKeepsItsAclExtendedAttributesAndSetIdBits) {
    const std::string old = Write("karty.pdf", "%PDF-1.4 stare");
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(old.c_str(), 65534, 65534), 0);
    }
    ASSERT_EQ(::chmod(old.c_str(), 06640), 0);
    if (::setxattr(old.c_str(), "user.notatka", "sala B", 6, 0) != 0) GTEST_SKIP() << "no extended attributes here";
    // An access ACL: the owner rw, user 1234 r, the group r, the mask r, others nothing.
    const std::array<uint32_t, 11> acl = {2,          0x60001, 0xffffffff, 0x40002, 1234,      0x40004,
                                          0xffffffff, 0x40010, 0xffffffff, 0x20,    0xffffffff};
    const bool withAcl = ::setxattr(old.c_str(), "system.posix_acl_access", acl.data(), sizeof acl, 0) == 0;
    const std::string aclBefore = Attribute(old, "system.posix_acl_access");

    ASSERT_TRUE(WriteOutput(old, "%PDF-1.4 nowe").accepted());

    EXPECT_EQ(ReadAll(old), "%PDF-1.4 nowe");
    EXPECT_EQ(Attribute(old, "user.notatka"), "sala B");
    if (withAcl) {
        EXPECT_EQ(Attribute(old, "system.posix_acl_access"), aclBefore);
        EXPECT_EQ(aclBefore.size(), sizeof acl);
    }
    struct stat status {};
    ASSERT_EQ(::stat(old.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 06640u);
    if (root) {
        EXPECT_EQ(status.st_uid, 65534u);
        EXPECT_EQ(status.st_gid, 65534u);
    }
    EXPECT_EQ(Names(Path("")), std::vector<std::string>{"karty.pdf"});
}

TEST_F(OutputFile, AnotherUsersFileIsWrittenOverInPlaceOrRefusedButNeverTakenOver) {
    if (::geteuid() != 0) GTEST_SKIP() << "becoming another user needs root";
    ::chmod(Path("").c_str(), 0777);
    const std::string open = Write("otwarty.pdf", "%PDF-1.4 stary otwarty, dłuższy od nowego");
    const std::string closed = Write("zamknięty.pdf", "%PDF-1.4 stary zamknięty");
    ::chmod(open.c_str(), 0666);
    ::chmod(closed.c_str(), 0644);
    const bool withAttribute = ::setxattr(open.c_str(), "user.notatka", "sala B", 6, 0) == 0;
    struct stat before {};
    ASSERT_EQ(::stat(open.c_str(), &before), 0);

    // As an ordinary user, who may write the one file and not the other.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::setresgid(65534, 65534, 65534) != 0 || ::setresuid(65534, 65534, 65534) != 0) ::_exit(9);
        int failures = 0;
        if (!WriteOutput(open, "%PDF-1.4 nowy").accepted()) failures |= 1;
        if (WriteOutput(closed, "%PDF-1.4 nowy").message() !=
            "Nie można zapisać pliku " + closed +
                ": plik należy do innego użytkownika, a brak uprawnień do jego nadpisania.")
            failures |= 2;
        ::_exit(failures);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);

    struct stat after {};
    ASSERT_EQ(::stat(open.c_str(), &after), 0);
    EXPECT_EQ(ReadAll(open), "%PDF-1.4 nowy");
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_uid, 0u);
    EXPECT_EQ(after.st_mode & 07777, 0666u);
    if (withAttribute) {
        EXPECT_EQ(Attribute(open, "user.notatka"), "sala B");
    }
    EXPECT_EQ(ReadAll(closed), "%PDF-1.4 stary zamknięty");
    ASSERT_EQ(::stat(closed.c_str(), &after), 0);
    EXPECT_EQ(after.st_uid, 0u);
    EXPECT_EQ(Names(Path("")), (std::vector<std::string>{"otwarty.pdf", "zamknięty.pdf"}));
}

TEST_F(OutputFile, TheFileCheckedIsTheFileReplaced) {
    const std::string notes = "Notatki sędziego: stół 3 bez ramki";
    const std::string changed = ": w czasie zapisu ktoś zmienił ten plik, więc nie zostanie zastąpiony.";
    // A file written where none was.
    {
        Begun begun = BeginOutput(Path("nowe.pdf"), "%PDF-1.4 nowe");
        ASSERT_TRUE(begun.pending);
        Write("nowe.pdf", notes);
        EXPECT_EQ(begun.pending->Commit(0).message(),
                  "Nie można zapisać pliku " + Path("nowe.pdf") +
                      ": w czasie zapisu powstał plik o tej nazwie, więc nie zostanie zastąpiony.");
        EXPECT_EQ(ReadAll(Path("nowe.pdf")), notes);
    }
    // A new file put in the old one's place, and the old one itself written over.
    Write("stare.pdf", "%PDF-1.4 stare");
    Write("drugie.pdf", "%PDF-1.4 stare");
    for (const bool inPlace : {false, true}) {
        const std::string old = Path(inPlace ? "drugie.pdf" : "stare.pdf");
        Begun begun = BeginOutput(old, "%PDF-1.4 nowe");
        ASSERT_TRUE(begun.pending);
        if (inPlace) {
            std::ofstream(old, std::ios::binary | std::ios::trunc) << notes;
        } else {
            Write("notatki.txt", notes);
            fs::rename(Path("notatki.txt"), old);
        }
        EXPECT_EQ(begun.pending->Commit(0).message(), "Nie można zapisać pliku " + old + changed);
        EXPECT_EQ(ReadAll(old), notes);
    }
    // And an old file that stayed as it was is replaced.
    Write("trzecie.pdf", "%PDF-1.4 stare");
    Begun begun = BeginOutput(Path("trzecie.pdf"), "%PDF-1.4 nowe");
    ASSERT_TRUE(begun.pending);
    EXPECT_TRUE(begun.pending->Commit(0).accepted());
    EXPECT_EQ(ReadAll(Path("trzecie.pdf")), "%PDF-1.4 nowe");
    EXPECT_EQ(Names(Path("")), (std::vector<std::string>{"drugie.pdf", "nowe.pdf", "stare.pdf", "trzecie.pdf"}));
}

TEST_F(OutputFile, AnyNameTheFileSystemTakesIsWritten) {
    for (const std::size_t length : {std::size_t{236}, std::size_t{237}, std::size_t{250}, std::size_t{255}}) {
        const std::string name = Path(std::string(length - 4, 'k') + ".pdf");
        ASSERT_TRUE(WriteOutput(name, "%PDF-1.4 nowe").accepted()) << length;
        ASSERT_TRUE(WriteOutput(name, "%PDF-1.4 drugie").accepted()) << length;
        EXPECT_EQ(ReadAll(name), "%PDF-1.4 drugie");
    }
    EXPECT_EQ(Names(Path("")).size(), 4u);
    EXPECT_EQ(WriteOutput(Path(std::string(256, 'k')), "%PDF-1.4").message(),
              "Nie można zapisać pliku " + Path(std::string(256, 'k')) + ": za długa nazwa.");
}

TEST_F(OutputFile, KernelFilesAndPipesAreRefusedWithTheRealReason) {
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    const std::string pipe = "/proc/self/fd/" + std::to_string(pipeEnds[1]);
    const std::string kernel = ": to plik systemowy jądra (/proc, /sys, /dev), a nie plik na dysku.";
    EXPECT_EQ(WriteOutput("/proc/self/status", "%PDF-1.4").message(),
              "Nie można zapisać pliku /proc/self/status" + kernel);
    EXPECT_EQ(WriteOutput("/proc/sys/kernel/hostname", "%PDF-1.4").message(),
              "Nie można zapisać pliku /proc/sys/kernel/hostname" + kernel);
    EXPECT_EQ(WriteOutput("/proc/self/karty.pdf", "%PDF-1.4").message(),
              "Nie można zapisać pliku /proc/self/karty.pdf" + kernel);
    EXPECT_EQ(WriteOutput(pipe, "%PDF-1.4").message(),
              "Nie można zapisać pliku " + pipe + ": to nie jest zwykły plik (np. kolejka FIFO albo urządzenie).");
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);

    // The kernel's link to a file removed while open names no file anyone could find.
    const int removed = ::open(Write("usunięty.pdf", "%PDF-1.4 stare").c_str(), O_RDONLY | O_CLOEXEC);
    fs::remove(Path("usunięty.pdf"));
    const std::string deleted = "/proc/self/fd/" + std::to_string(removed);
    EXPECT_EQ(WriteOutput(deleted, "%PDF-1.4").message(), "Nie można zapisać pliku " + deleted + kernel);
    ::close(removed);
    EXPECT_TRUE(Names(Path("")).empty());
    // Nor is the kernel's device folder a place for cards, though it is a tmpfs.
    std::ifstream mounts("/proc/self/mounts");
    const std::string table{std::istreambuf_iterator<char>(mounts), std::istreambuf_iterator<char>()};
    if (table.find(" /dev devtmpfs ") != std::string::npos) {
        const std::string device = "/dev/rozstawiki-" + std::to_string(::getpid()) + ".pdf";
        EXPECT_EQ(WriteOutput(device, "%PDF-1.4").message(), "Nie można zapisać pliku " + device + kernel);
        EXPECT_FALSE(fs::exists(device));
        fs::remove(device);
    }
}

TEST_F(OutputFile, ALinkOfAnotherUsersInAFolderOpenToAllIsNotFollowed) {
    if (::geteuid() != 0) GTEST_SKIP() << "links of another user need root";
    fs::create_directory(Path("tajny"));
    ::chmod(Path("tajny").c_str(), 0700);
    const std::string secret = Write("tajny/karty.pdf", "%PDF-1.4 tajne");
    fs::create_directory(Path("wspólny"));
    ::chmod(Path("wspólny").c_str(), 01777);
    const std::string planted = Path("wspólny/obcy.pdf");
    const std::string own = Path("wspólny/własny.pdf");
    fs::create_symlink(secret, planted);
    fs::create_symlink(secret, own);
    ASSERT_EQ(::lchown(planted.c_str(), 65534, 65534), 0);

    EXPECT_EQ(WriteOutput(planted, "%PDF-1.4 nowe").message(),
              "Nie można zapisać pliku " + planted + ": dowiązanie symboliczne " + planted +
                  " należy do innego użytkownika i leży w folderze, do którego każdy może pisać, więc nie zostanie "
                  "użyte.");
    EXPECT_EQ(ReadAll(secret), "%PDF-1.4 tajne");
    // A link of one's own, or of the folder's owner, is followed as the kernel follows it.
    ASSERT_EQ(::lchown(Path("wspólny").c_str(), 65534, 65534), 0);
    EXPECT_TRUE(WriteOutput(planted, "%PDF-1.4 nowe").accepted());
    EXPECT_TRUE(WriteOutput(own, "%PDF-1.4 własne").accepted());
    EXPECT_EQ(ReadAll(secret), "%PDF-1.4 własne");
}

TEST_F(OutputFile, RunsWritingOneFileAtOnceReplaceItOneAfterAnother) {
    const std::string cards = Write("karty.pdf", "%PDF-1.4 stare");
    int start[2];
    ASSERT_EQ(::pipe(start), 0);
    std::vector<pid_t> runs;
    for (int run = 0; run < 16; ++run) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(start[1]);
            char go = 0;
            if (::read(start[0], &go, 1) != 0) ::_exit(3);  // every run starts as the pipe closes
            const std::string own = "%PDF-1.4 przebieg " + std::to_string(run) + std::string(100'000, 'x');
            ::_exit(WriteOutput(cards, own).accepted() ? 0 : 1);
        }
        runs.push_back(child);
    }
    ::close(start[0]);
    ::close(start[1]);
    int written = 0;
    for (const pid_t run : runs) {
        int status = 0;
        ::waitpid(run, &status, 0);
        written += WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 1 : 0;
    }
    EXPECT_EQ(written, 16);
    // One run's cards, whole.
    const std::string last = ReadAll(cards);
    const std::string run = last.substr(18, last.find('x') - 18);
    EXPECT_TRUE(last == "%PDF-1.4 przebieg " + run + std::string(100'000, 'x')) << last.substr(0, 40);
    EXPECT_EQ(Names(Path("")), std::vector<std::string>{"karty.pdf"});
}

TEST_F(OutputFile, AFolderThatOnlyTakesNewFilesIsGivenNoFileItCannotTakeBack) {
    fs::create_directory(Path("dopisywany"));
    const std::string old = Write("dopisywany/karty.pdf", "%PDF-1.4 stare");
    const int appendOnly = ::open(Path("dopisywany").c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    int flags = 0;
    if (::ioctl(appendOnly, FS_IOC_GETFLAGS, &flags) != 0) GTEST_SKIP() << "no file attributes here";
    flags |= FS_APPEND_FL;
    if (::ioctl(appendOnly, FS_IOC_SETFLAGS, &flags) != 0) GTEST_SKIP() << "the append-only attribute needs root";

    const movement::Outcome replaced = WriteOutput(old, "%PDF-1.4 nowe");
    const bool added = WriteOutput(Path("dopisywany/nowe.pdf"), "%PDF-1.4 nowe").accepted();
    const std::vector<std::string> names = Names(Path("dopisywany"));
    flags &= ~FS_APPEND_FL;
    ::ioctl(appendOnly, FS_IOC_SETFLAGS, &flags);
    ::close(appendOnly);

    EXPECT_EQ(replaced.message(), "Nie można zapisać pliku " + old +
                                      ": do tego folderu można tylko dodawać nowe pliki (atrybut „a”), więc plik nie "
                                      "zostanie zastąpiony.");
    EXPECT_TRUE(added);
    EXPECT_EQ(names, (std::vector<std::string>{"karty.pdf", "nowe.pdf"}));
    EXPECT_EQ(ReadAll(old), "%PDF-1.4 stare");
}

TEST_F(OutputFile, AFileSystemThatCannotSwapNamesOrReserveRoomStillLosesNothing) {
    const Mounted ext2 = Ext2(Path("ext2.img"), Path("ext2"));
    if (!ext2) GTEST_SKIP() << "mounting an ext2 image needs root and a loop device";
    const std::string old = Write("ext2/karty.pdf", "%PDF-1.4 stare");
    ASSERT_TRUE(WriteOutput(old, "%PDF-1.4 nowe").accepted());
    EXPECT_EQ(ReadAll(old), "%PDF-1.4 nowe");

    // Another user's file cannot get room for its new cards first: it is left as it was.
    ::chmod(Path("").c_str(), 0755);
    ::chmod(Path("ext2").c_str(), 0777);
    ::chmod(old.c_str(), 0666);
    EXPECT_EQ(AsAnotherUser([&] {
                  const std::string said = WriteOutput(old, "%PDF-1.4 " + std::string(100'000, 'x')).message();
                  return said ==
                         "Nie można zapisać pliku " + old +
                             ": plik trzeba nadpisać w miejscu (należy do innego użytkownika albo ma kilka nazw), a "
                             "ten system plików nie pozwala najpierw zarezerwować na to miejsca, więc plik nie "
                             "zostanie zmieniony.";
              }),
              0);
    EXPECT_EQ(ReadAll(old), "%PDF-1.4 nowe");
    EXPECT_EQ(Names(Path("ext2")), (std::vector<std::string>{"karty.pdf", "lost+found"}));
}

TEST_F(OutputFile, AFullDiskLeavesTheOldFileAndNoPendingOne) {
    if (::geteuid() != 0) GTEST_SKIP() << "mounting a small file system needs root";
    const std::string disk = Path("dysk");
    fs::create_directory(disk);
    if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0) GTEST_SKIP() << "no tmpfs here";
    const std::string old = disk + "/karty.pdf";
    std::ofstream(old) << "%PDF-1.4 stare";

    const movement::Outcome written = WriteOutput(old, "%PDF-1.4 " + std::string(std::size_t{256} * 1024, 'x'));

    EXPECT_EQ(written.message(), "Nie można zapisać pliku " + old + ": brak miejsca na dysku.");
    EXPECT_EQ(ReadAll(old), "%PDF-1.4 stare");
    EXPECT_EQ(Names(disk), (std::vector<std::string>{"karty.pdf"}));

    // Another user's file, written over in place: the new PDF fits the disk beside the old one,
    // but not twice, so the room for it over the old one cannot be taken and nothing is touched.
    ::chmod(Path("").c_str(), 0755);
    ::chmod(disk.c_str(), 0777);
    ::chmod(old.c_str(), 0666);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::setresgid(65534, 65534, 65534) != 0 || ::setresuid(65534, 65534, 65534) != 0) ::_exit(9);
        const movement::Outcome over = WriteOutput(old, "%PDF-1.4 " + std::string(std::size_t{40} * 1024, 'x'));
        ::_exit(over.message() == "Nie można zapisać pliku " + old + ": brak miejsca na dysku." ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(ReadAll(old), "%PDF-1.4 stare");
    EXPECT_EQ(Names(disk), (std::vector<std::string>{"karty.pdf"}));
    ::umount(disk.c_str());
}

TEST_F(OutputFile, AnInterruptedWriteLeavesNoPendingFile) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        RemovePendingOutputOnSignals();
        auto pending = PendingOutput::Begin(Path("karty.pdf"), {});
        if (!pending.accepted() || !Names(Path("")).empty()) ::_exit(3);  // the file has no name yet
        std::raise(SIGTERM);
        ::_exit(4);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
    EXPECT_TRUE(Names(Path("")).empty());
}

TEST_F(OutputFile, NothingIsLeftBehindWhateverSignalEndsTheProgram) {
    // A signal ignored (as nohup ignores SIGHUP) stays ignored.
    const pid_t ignoring = ::fork();
    ASSERT_GE(ignoring, 0);
    if (ignoring == 0) {
        std::signal(SIGHUP, SIG_IGN);
        RemovePendingOutputOnSignals();
        std::raise(SIGHUP);
        ::_exit(0);
    }
    int ignored = 0;
    ::waitpid(ignoring, &ignored, 0);
    EXPECT_TRUE(WIFEXITED(ignored) && WEXITSTATUS(ignored) == 0) << ignored;

    // Here the pending file has no name; through FUSE, which has no such files, it has one, which
    // the signal handler removes, or for SIGKILL the run's guardian.
    const std::string here = Path("tu");
    fs::create_directory(here);
    const Mounted fuse = Fuse(Path("fuse-źródło"), Path("fuse"));
    std::vector<std::string> folders = {here};
    if (fuse) folders.push_back(Path("fuse"));
    for (const std::string& at : folders) {
        std::ofstream(at + "/karty.pdf") << "%PDF-1.4 stare";
        for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2, SIGALRM, SIGVTALRM, SIGPROF,
                                 SIGXCPU, SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGTRAP, SIGSYS, SIGKILL}) {
            for (const std::string name : {"karty.pdf", "nowe.pdf"}) {
                int ready[2];
                ASSERT_EQ(::pipe(ready), 0);
                const pid_t child = ::fork();
                ASSERT_GE(child, 0);
                if (child == 0) {
                    const struct rlimit noCore { 0, 0 };
                    ::setrlimit(RLIMIT_CORE, &noCore);
                    RemovePendingOutputOnSignals();
                    Begun begun = BeginOutput(at + "/" + name, "%PDF-1.4 " + std::string(100'000, 'x'));
                    const char written = begun.pending ? 'y' : 'n';
                    if (::write(ready[1], &written, 1) != 1) ::_exit(2);
                    ::pause();
                    ::_exit(3);
                }
                ::close(ready[1]);
                char written = 'n';
                EXPECT_EQ(::read(ready[0], &written, 1), 1);
                ::close(ready[0]);
                EXPECT_EQ(written, 'y');
                ::kill(child, signal);
                int status = 0;
                ::waitpid(child, &status, 0);
                // The sanitizers take SIGSEGV, SIGBUS and SIGFPE for their own report, which ends in SIGABRT.
                const bool sanitizers = Sanitized && (signal == SIGSEGV || signal == SIGBUS || signal == SIGFPE);
                EXPECT_TRUE(WIFSIGNALED(status) && (WTERMSIG(status) == signal || sanitizers)) << status;
                WaitForTheFolder(at);
                EXPECT_EQ(Names(at), std::vector<std::string>{"karty.pdf"}) << at << ::strsignal(signal);
                EXPECT_EQ(ReadAll(at + "/karty.pdf"), "%PDF-1.4 stare");
            }
        }
    }
}

}  // namespace
}  // namespace printing
