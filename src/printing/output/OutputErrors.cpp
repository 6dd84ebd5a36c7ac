// SPDX-License-Identifier: GPL-3.0-or-later
// What a failed write of an output file says, on every system.
#include "OutputTarget.h"

#include <cerrno>
#include <cstring>

namespace printing {

std::string CannotWrite(const std::string& shownName, const std::string& reason) {
    return "Nie można zapisać pliku " + shownName + ": " + reason + ".";
}

std::string WriteErrorText(int error) {
    switch (error) {
        case ENOSPC:
            return "brak miejsca na dysku";
#ifdef EDQUOT
        case EDQUOT:
            return "wyczerpany przydział miejsca na dysku";
#endif
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

}  // namespace printing
