// SPDX-License-Identifier: GPL-3.0-or-later
#include "movement/Languages.h"
#include "movement/Text.h"

#include <gtest/gtest.h>

using movement::Filled;
using movement::LanguageOfLocale;

TEST(Languages, TheInterfaceFollowsTheLocaleWithPolishForEverythingElse) {
    struct Case {
        const char *language, *lcAll, *lcMessages, *lang, *expected;
    };
    for (const Case& c : {
             Case{"", "", "", "en_GB.UTF-8", "en"},
             Case{"", "", "", "en_US", "en"},
             Case{"", "", "", "pl_PL.UTF-8", "pl"},
             Case{"", "", "", "de_DE.UTF-8", "pl"},
             Case{"", "", "", "C", "pl"},
             Case{"", "", "", "C.UTF-8", "pl"},
             Case{"", "", "", "POSIX", "pl"},
             Case{"", "", "", "", "pl"},
             Case{"", "", "pl_PL.UTF-8", "en_GB.UTF-8", "pl"},             // LC_MESSAGES before LANG
             Case{"", "en_IE.UTF-8", "pl_PL.UTF-8", "pl_PL.UTF-8", "en"},  // LC_ALL before both
             Case{"de:en", "", "", "de_DE.UTF-8", "en"},  // LANGUAGE's first language the program speaks
             Case{"pl:en", "", "", "en_GB.UTF-8", "pl"},
             Case{"en", "", "", "C", "pl"},  // LANGUAGE does not count under C
             Case{"fr", "", "", "en_GB.UTF-8", "en"},
             Case{"en_GB@euro", "", "", "pl_PL", "en"},
         }) {
        EXPECT_STREQ(LanguageOfLocale(c.language, c.lcAll, c.lcMessages, c.lang).code, c.expected)
            << "LANGUAGE=" << c.language << " LC_ALL=" << c.lcAll << " LC_MESSAGES=" << c.lcMessages
            << " LANG=" << c.lang;
    }
    EXPECT_FALSE(movement::LanguageCoded("de"));
    EXPECT_FALSE(movement::LanguageCoded(""));
    EXPECT_FALSE(movement::LanguageCoded("EN"));
}

TEST(Languages, APatternsPlacesAreFilledInOnePass) {
    EXPECT_EQ(Filled("Stół %1, para %2", {"3", "7"}), "Stół 3, para 7");
    EXPECT_EQ(Filled("%2 i %1", {"a", "b"}), "b i a");
    // An argument is never read again for places: a file's name may hold "%2".
    EXPECT_EQ(Filled("Plik %1: %2", {"100%2.pdf", "brak"}), "Plik 100%2.pdf: brak");
    EXPECT_EQ(Filled("%n stołów", {}, 12), "12 stołów");
    // A place without its argument, a lone % and a %n without a count stay as they are.
    EXPECT_EQ(Filled("%1 %3 100% %n%", {"x"}), "x %3 100% %n%");
}
