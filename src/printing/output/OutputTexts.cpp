// SPDX-License-Identifier: GPL-3.0-or-later
// Every word a refused output file is told in, on every system.
#include "OutputTexts.h"

#include "movement/Text.h"

#include <cerrno>
#include <cstring>

namespace printing {

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

namespace {

// The sentence of a reason, each whole, so that a translation may say it in its own order.
movement::TextId SentenceOf(Reason reason) {
    switch (reason) {
        case Reason::None:
            break;
        case Reason::EmptyName:
            return RZ_TEXT("Output", "Nie można zapisać pliku %1: pusta nazwa.");
        case Reason::Folder:
            return RZ_TEXT("Output", "Nie można zapisać pliku %1: to folder.");
        case Reason::NotAFile:
            return RZ_TEXT("Output",
                           "Nie można zapisać pliku %1: to nie jest zwykły plik (np. kolejka FIFO albo urządzenie).");
        case Reason::KernelFile:
            return RZ_TEXT(
                "Output",
                "Nie można zapisać pliku %1: to plik systemowy jądra (/proc, /sys, /dev), a nie plik na dysku.");
        case Reason::SchemeFile:
            return RZ_TEXT("Output", "Nie można zapisać pliku %1: to plik schematów, z którego czytane są rozstawiki.");
        case Reason::NotPdf:
            return RZ_TEXT(
                "Output",
                "Nie można zapisać pliku %1: plik istnieje i nie jest plikiem PDF, więc nie zostanie zastąpiony.");
        case Reason::ChangedMeanwhile:
            return RZ_TEXT("Output",
                           "Nie można zapisać pliku %1: w czasie zapisu ktoś zmienił ten plik, więc nie zostanie "
                           "zastąpiony.");
        case Reason::AppearedMeanwhile:
            return RZ_TEXT("Output",
                           "Nie można zapisać pliku %1: w czasie zapisu powstał plik o tej nazwie, więc nie zostanie "
                           "zastąpiony.");
        case Reason::NoSafeStep:
            return RZ_TEXT(
                "Output",
                "Nie można zapisać pliku %1: ten system plików nie pozwala umieścić pliku pod nazwą bez ryzyka "
                "nadpisania innego, który pojawiłby się w tej samej chwili, więc nic nie zapisano.");
        case Reason::OnlyNewFiles:
            return RZ_TEXT(
                "Output",
                "Nie można zapisać pliku %1: do tego folderu można tylko dodawać nowe pliki (atrybut „a”), więc "
                "plik nie zostanie zastąpiony.");
        case Reason::CannotReserve:
            return RZ_TEXT(
                "Output",
                "Nie można zapisać pliku %1: plik trzeba nadpisać w miejscu (należy do innego użytkownika albo "
                "ma kilka nazw), a ten system plików nie pozwala najpierw zarezerwować na to miejsca, więc plik "
                "nie zostanie zmieniony.");
        case Reason::AnotherUsersFile:
            return RZ_TEXT("Output",
                           "Nie można zapisać pliku %1: plik należy do innego użytkownika, a brak uprawnień do jego "
                           "nadpisania.");
        case Reason::Busy:
            return RZ_TEXT(
                "Output",
                "Nie można zapisać pliku %1: inny zapis Rozstawików do tego folderu trwa ponad 60 s, więc nic "
                "nie zapisano.");
        case Reason::DiskFull:
            return RZ_TEXT("Output", "Nie można zapisać pliku %1: brak miejsca na dysku.");
        case Reason::QuotaSpent:
            return RZ_TEXT("Output", "Nie można zapisać pliku %1: wyczerpany przydział miejsca na dysku.");
        case Reason::TooBig:
            return RZ_TEXT("Output", "Nie można zapisać pliku %1: plik przekroczył dopuszczalny rozmiar.");
        case Reason::NoPermission:
            return RZ_TEXT("Output", "Nie można zapisać pliku %1: brak uprawnień.");
        case Reason::ReadOnly:
            return RZ_TEXT("Output", "Nie można zapisać pliku %1: dysk jest tylko do odczytu.");
        case Reason::InputOutput:
            return RZ_TEXT("Output", "Nie można zapisać pliku %1: błąd wejścia-wyjścia dysku.");
        case Reason::NoFolder:
            return RZ_TEXT("Output", "Nie można zapisać pliku %1: folder nie istnieje.");
        case Reason::NameTooLong:
            return RZ_TEXT("Output", "Nie można zapisać pliku %1: za długa nazwa.");
        case Reason::LinkLoop:
            return RZ_TEXT("Output", "Nie można zapisać pliku %1: dowiązania symboliczne tworzą pętlę.");
        case Reason::OpenElsewhere:
            return RZ_TEXT("Output", "Nie można zapisać pliku %1: plik jest otwarty w innym programie.");
        case Reason::ForbiddenCharacters:
            return RZ_TEXT("Output",
                           "Nie można zapisać pliku %1: nazwa zawiera znaki niedozwolone w systemie Windows.");
        case Reason::ForeignLink:
            return RZ_TEXT("Output",
                           "Nie można zapisać pliku %1: dowiązanie symboliczne %2 należy do innego użytkownika i leży "
                           "w folderze, do którego każdy może pisać, więc nie zostanie użyte.");
        case Reason::OtherError:
            return RZ_TEXT("Output", "Nie można zapisać pliku %1: błąd systemu nr %2 (%3).");
        case Reason::OtherWindowsError:
            return RZ_TEXT("Output", "Nie można zapisać pliku %1: błąd systemu Windows nr %2.");
    }
    return RZ_TEXT("Output", "Nie można zapisać pliku %1.");
}

}  // namespace

movement::Text CannotWrite(const std::string& shownName, const Hitch& hitch) {
    movement::Text text{SentenceOf(hitch.reason), {shownName}};
    if (hitch.reason == Reason::ForeignLink) text.arguments.push_back(hitch.detail);
    if (hitch.reason == Reason::OtherError) {
        text.arguments.push_back(std::to_string(hitch.number));
        text.arguments.push_back(std::strerror(static_cast<int>(hitch.number)));
    }
    if (hitch.reason == Reason::OtherWindowsError)
        text.arguments.push_back(std::to_string(static_cast<unsigned long>(hitch.number)));
    return text;
}

}  // namespace printing
