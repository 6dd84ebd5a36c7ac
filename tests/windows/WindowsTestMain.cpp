// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Application.h"

#include "language/Translations.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char* argv[]) {
    // The tests drive real widgets without a screen, and print only on the test run's own print server.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::setenv("CUPS_SERVER", PRIVATE_CUPS_DIR "/cups.sock", 1);
#ifdef INTERFACE_LANGUAGE
    // The windows in another language, chosen before the toolkit starts, as the program does.
    language::ChooseInterface(*movement::LanguageCoded(INTERFACE_LANGUAGE));
#endif
    QApplication application(argc, argv);
    toolkit::SetUpApplication(application);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
