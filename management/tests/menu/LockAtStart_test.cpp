// At start the readjustment waits for another program that holds the
// management database, and the user sees which file is waited for.
#include "menu/F_Menu.h"

#include "forms/TestSeam.h"
#include "station/ProgramFolder.h"
#include "support/OtherProgram.h"
#include "support/StationFixture.h"

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using LockAtStart = StationFixture;

TEST_F(LockAtStart, TheMenuWaitsInSightForAnotherProgramToReleaseTheManagementFile)
{
    OtherProgram other(DornaPath());
    ASSERT_EQ(other.Run("BEGIN IMMEDIATE"), 0);
    QString shown;
    bool busyPointer = false;
    QTimer::singleShot(600, [&] {
        busyPointer = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        shown = forms::test::WaitingWindowText();
        other.Run("COMMIT");
    });
    F_Menu& menu = forms::Get<F_Menu>();
    EXPECT_TRUE(menu.Loaded());
    EXPECT_TRUE(busyPointer);
    EXPECT_EQ(shown, "Esperando a que otro programa libere Dorna.MDB…\n" + ProgramFolder());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    ExpectNoUntrappedErrors();
}

}  // namespace
