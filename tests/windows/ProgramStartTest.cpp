#include "ProgramEnd.h"
#include "WindowRoad.h"

#include "NumDow.h"
#include "Palce.h"
#include "drkr.h"

#include <QApplication>

namespace {

class ProgramStart : public WindowRoad {};

TEST_F(ProgramStart, OnlyTheMainWindowIsShownAndTheOtherThreeWaitHidden) {
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Rozstawiki stolikowe"));
    EXPECT_TRUE(windows.Drog().isVisible());
    EXPECT_FALSE(windows.UstWydr().isVisible());
    EXPECT_FALSE(windows.ZPL().isVisible());
    EXPECT_FALSE(windows.ndw().isVisible());
    EXPECT_EQ(windows.UstWydr().windowTitle(), QStringLiteral("Ustawienie parametrów drukowania"));
    EXPECT_EQ(windows.ZPL().windowTitle(), QStringLiteral("Wprowadzanie z palca"));
    EXPECT_EQ(windows.ndw().windowTitle(), QStringLiteral("Numery dowolne <=99"));
}

TEST_F(ProgramStart, EachHandOverLeavesExactlyOneWindowShown) {
    const QList<toolkit::ProgramWindow*> all = {&windows.Drog(), &windows.UstWydr(), &windows.ZPL(), &windows.ndw()};
    const auto shown = [&] {
        int count = 0;
        for (const toolkit::ProgramWindow* window : all) count += window->isVisible() ? 1 : 0;
        return count;
    };
    toolkit::ProgramWindow* current = &windows.Drog();
    for (toolkit::ProgramWindow* next : {all[1], all[0], all[2], all[0], all[3], all[0]}) {
        current->HandOverTo(*next);
        current = next;
        EXPECT_EQ(shown(), 1);
        EXPECT_TRUE(next->isVisible());
    }
}

TEST_F(ProgramStart, ClosingTheMainWindowEndsTheProgram) {
    EXPECT_TRUE(EndsTheProgram([this] { drog.close(); }));
}

}  // namespace
