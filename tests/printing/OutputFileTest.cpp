#include "ExampleMovements.h"

#include "printing/OutputFile.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace printing {
namespace {

namespace fs = std::filesystem;
using movement::testing::TempFolder;

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
    auto target = ChooseOutputTarget(output, inputs);
    if (!target.accepted()) return movement::Outcome::Refused(target.message());
    auto pending = PendingOutput::Begin(target.value(), output);
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
    struct stat status {};
    ASSERT_EQ(::stat(old.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(status.st_uid, 65534u);
    }
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
    ::umount(disk.c_str());
}

TEST_F(OutputFile, AnInterruptedWriteLeavesNoPendingFile) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        RemovePendingOutputOnSignals();
        auto target = ChooseOutputTarget(Path("karty.pdf"), {});
        if (!target.accepted()) ::_exit(2);
        auto pending = PendingOutput::Begin(target.value(), "karty.pdf");
        if (!pending.accepted() || Names(Path("")).size() != 1) ::_exit(3);
        std::raise(SIGTERM);
        ::_exit(4);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
    EXPECT_TRUE(Names(Path("")).empty());
}

}  // namespace
}  // namespace printing
