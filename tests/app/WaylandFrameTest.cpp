#include "AppFixture.h"

#include <QTest>

#include <cstdlib>
#include <cstring>

// Under a Wayland compositor Qt draws the frame itself and the compositor
// keeps positions to itself: what the program can keep is the size. Runs
// only on the Wayland platform (tests/desktop/wayland.sh starts weston).
class WaylandFrameTest : public AppTest {
protected:
    WaylandFrameTest() { AddBank("only.db"); }

    void SetUp() override
    {
        const char* platform = std::getenv("QT_QPA_PLATFORM");
        if (platform == nullptr || std::strncmp(platform, "wayland", 7) != 0)
            GTEST_SKIP() << "needs a Wayland compositor";
    }

    CString Stored(const char* entry) { return app->GetProfileString("Window size", entry, "<none>"); }

    // Starts the program and waits until the compositor has shown the
    // window and told it its frame.
    void StartShown()
    {
        ASSERT_TRUE(Start());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Frame()));
        Settle();
    }

    // Waits until the window's size has stopped changing: the compositor
    // answers a state change with a configure of its own, a moment later.
    void Settle()
    {
        QSize last;
        for (int tries = 0; tries < 50 && Frame()->size() != last; ++tries) {
            last = Frame()->size();
            QTest::qWait(100);
        }
    }
};

TEST_F(WaylandFrameTest, MaximizingAndRestoringOverSeveralRunsKeepsTheRestoredSize)
{
    StartShown();
    const QSize first = Frame()->size();
    Close();
    const CString stored = Stored("Rect");

    StartShown();
    EXPECT_EQ(Frame()->size(), first);
    Frame()->showMaximized();
    Settle();
    Frame()->showNormal();
    Settle();
    EXPECT_EQ(Frame()->size(), first) << "restored in the same run";
    Close();
    EXPECT_EQ(Stored("Rect"), stored);

    for (int round = 1; round <= 3; ++round) {
        StartShown();
        Frame()->showMaximized();
        Settle();
        ASSERT_TRUE(Frame()->isMaximized());
        Close();
        EXPECT_EQ(Stored("max"), "1") << round;

        StartShown();
        ASSERT_TRUE(Frame()->isMaximized()) << round;
        Frame()->showNormal();
        Settle();
        EXPECT_EQ(Frame()->size(), first) << "restored after closing maximized, round " << round;
        Close();
        EXPECT_EQ(Stored("Rect"), stored) << round;
        EXPECT_EQ(Stored("max"), "0") << round;
    }
}
