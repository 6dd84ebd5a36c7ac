// SPDX-License-Identifier: GPL-3.0-or-later
// Every word a refused output file is told in, on every system.
#include "OutputTexts.h"

#include <cerrno>
#include <cstring>

namespace printing {

std::string CannotWrite(const std::string& shownName, const std::string& reason) {
    return "Nie można zapisać pliku " + shownName + ": " + reason + ".";
}

Hitch StandardErrorHitch(int error) {
    switch (error) {
        case ENOSPC:
            return {Reason::DiskFull};
        case EFBIG:
            return {Reason::TooBig};
        case EACCES:
        case EPERM:
            return {Reason::NoPermission};
        case EROFS:
            return {Reason::ReadOnly};
        case EIO:
            return {Reason::InputOutput};
        case ENOENT:
        case ENOTDIR:
            return {Reason::NoFolder};
        case ENAMETOOLONG:
            return {Reason::NameTooLong};
        case ELOOP:
            return {Reason::LinkLoop};
        default:
            return {Reason::OtherError, error};
    }
}

std::string Words(const Hitch& hitch) {
    switch (hitch.reason) {
        case Reason::None:
            break;
        case Reason::EmptyName:
            return "pusta nazwa";
        case Reason::Folder:
            return "to folder";
        case Reason::NotAFile:
            return "to nie jest zwykły plik (np. kolejka FIFO albo urządzenie)";
        case Reason::KernelFile:
            return "to plik systemowy jądra (/proc, /sys, /dev), a nie plik na dysku";
        case Reason::ForeignLink:
            return "dowiązanie symboliczne " + hitch.detail +
                   " należy do innego użytkownika i leży w folderze, do którego każdy może pisać, więc nie zostanie "
                   "użyte";
        case Reason::SchemeFile:
            return "to plik schematów, z którego czytane są rozstawiki";
        case Reason::NotPdf:
            return "plik istnieje i nie jest plikiem PDF, więc nie zostanie zastąpiony";
        case Reason::ChangedMeanwhile:
            return "w czasie zapisu ktoś zmienił ten plik, więc nie zostanie zastąpiony";
        case Reason::AppearedMeanwhile:
            return "w czasie zapisu powstał plik o tej nazwie, więc nie zostanie zastąpiony";
        case Reason::NoSafeStep:
            return "ten system plików nie pozwala umieścić pliku pod nazwą bez ryzyka nadpisania innego, który "
                   "pojawiłby się w tej samej chwili, więc nic nie zapisano";
        case Reason::OnlyNewFiles:
            return "do tego folderu można tylko dodawać nowe pliki (atrybut „a”), więc plik nie zostanie zastąpiony";
        case Reason::CannotReserve:
            return "plik trzeba nadpisać w miejscu (należy do innego użytkownika albo ma kilka nazw), a ten system "
                   "plików nie pozwala najpierw zarezerwować na to miejsca, więc plik nie zostanie zmieniony";
        case Reason::AnotherUsersFile:
            return "plik należy do innego użytkownika, a brak uprawnień do jego nadpisania";
        case Reason::Busy:
            return "inny zapis Rozstawików do tego folderu trwa ponad 60 s, więc nic nie zapisano";
        case Reason::DiskFull:
            return "brak miejsca na dysku";
        case Reason::QuotaSpent:
            return "wyczerpany przydział miejsca na dysku";
        case Reason::TooBig:
            return "plik przekroczył dopuszczalny rozmiar";
        case Reason::NoPermission:
            return "brak uprawnień";
        case Reason::ReadOnly:
            return "dysk jest tylko do odczytu";
        case Reason::InputOutput:
            return "błąd wejścia-wyjścia dysku";
        case Reason::NoFolder:
            return "folder nie istnieje";
        case Reason::NameTooLong:
            return "za długa nazwa";
        case Reason::LinkLoop:
            return "dowiązania symboliczne tworzą pętlę";
        case Reason::OpenElsewhere:
            return "plik jest otwarty w innym programie";
        case Reason::ForbiddenCharacters:
            return "nazwa zawiera znaki niedozwolone w systemie Windows";
        case Reason::OtherError:
            return "błąd systemu nr " + std::to_string(hitch.number) + " (" +
                   std::strerror(static_cast<int>(hitch.number)) + ")";
        case Reason::OtherWindowsError:
            return "błąd systemu Windows nr " + std::to_string(static_cast<unsigned long>(hitch.number));
    }
    return {};
}

}  // namespace printing
