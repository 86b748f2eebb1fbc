// The viewer as a user meets it: the first window fits the screen and shows
// the whole picture and its words, and the keys zoom.
#include "DiagramWindow.h"
#include "ScaledPicture.h"
#include "WindowFit.h"

#include "TempFolder.h"

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

using namespace diagview;

namespace {

// A 1280 × 1024 screen less a panel.
const QSize kScreen(1280, 1000);

void ExpectWholeAndInProportion(QSize picture, QSize drawn, QSize window, QSize available)
{
    SCOPED_TRACE(testing::Message() << picture.width() << "x" << picture.height());
    EXPECT_LE(window.width(), available.width() - kFrameAllowance.width());
    EXPECT_LE(window.height(), available.height() - kFrameAllowance.height());
    EXPECT_GE(window.height(), 300);
    EXPECT_LE(drawn.width(), window.width());
    EXPECT_LE(drawn.height(), window.height());
    EXPECT_LE(drawn.width(), picture.width()) << "the first window never enlarges the picture";
    EXPECT_NEAR(drawn.height(), double(drawn.width()) * picture.height() / picture.width(), 1.0)
        << "proportions kept, to the pixel";
}

// The sizes of the published pools' pictures, and one far wider than high.
const QSize kPictures[] = {QSize(1800, 1200), QSize(1845, 1455), QSize(395, 366), QSize(2400, 150)};

} // namespace

TEST(WindowFit, EveryPictureOpensWholeInAWindowThatFitsTheScreenWithRoomForItsWords)
{
    for (const QSize picture : kPictures) {
        const WindowFit bare = FitWindow(picture, kScreen, [](int) { return 0; });
        ExpectWholeAndInProportion(picture, bare.picture, bare.window, kScreen);

        const WindowFit described = FitWindow(picture, kScreen, [](int width) { return 60000 / width; });
        ExpectWholeAndInProportion(picture, described.picture, described.window, kScreen);
        EXPECT_LE(described.picture.height() + 60000 / described.window.width(), described.window.height())
            << "the words show under the picture without scrolling";
    }
    const WindowFit small = FitWindow(QSize(395, 366), kScreen, [](int) { return 0; });
    EXPECT_EQ(small.picture, QSize(395, 366)) << "a picture that fits is shown at its own size";

    // A screen smaller than the least window: the window is cut to it.
    const WindowFit tiny = FitWindow(QSize(1800, 1200), QSize(320, 240), [](int) { return 0; });
    EXPECT_LE(tiny.window.height(), 240 - kFrameAllowance.height());
    EXPECT_LE(tiny.picture.width(), tiny.window.width());
}

class Viewer : public testing::Test {
protected:
    DiagramFile Diagram(QSize size, const std::string& description)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        const QString path = QString::fromStdString(m_folder.File("t-1.png"));
        EXPECT_TRUE(image.save(path));
        if (!description.empty())
            m_folder.Write("t-1.txt", description);
        return ReadDiagram(path);
    }

    TempFolder m_folder;
};

TEST_F(Viewer, ShowsTheWholePictureAndItsWordsAndRescalesAndZoomsFromTheKeys)
{
    DiagramWindow window(Diagram(QSize(1800, 1200), "A schematic of a transistor amplifier\nwith its parts numbered."));
    window.FitTo(kScreen);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    ScaledPicture* picture = window.Picture();
    const QRect viewport = window.PictureArea()->viewport()->rect();
    EXPECT_TRUE(viewport.contains(picture->PictureRect())) << "the whole picture is in sight";
    EXPECT_LT(picture->Scale(), 1.0);
    EXPECT_FALSE(window.PictureArea()->horizontalScrollBar()->isVisible());
    ASSERT_NE(window.Caption(), nullptr);
    EXPECT_EQ(window.Caption()->text().toStdString(), "A schematic of a transistor amplifier with its parts numbered.");
    EXPECT_TRUE(window.Caption()->isVisible());
    EXPECT_LE(window.Caption()->mapTo(&window, QPoint(0, window.Caption()->height())).y(), window.height());

    // Heard as the picture's name and its words.
    QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(window.PictureArea());
    EXPECT_EQ(heard->text(QAccessible::Name).toStdString(), "Diagram t-1.png");
    EXPECT_EQ(heard->text(QAccessible::Description), window.Caption()->text());
    EXPECT_EQ(window.windowTitle().toStdString(), "t-1.png");

    const double fitted = picture->Scale();
    window.resize(window.width() / 2, window.height());
    EXPECT_LT(picture->Scale(), fitted * 0.75) << "a narrower window shows the picture smaller";

    QTest::keyClick(&window, Qt::Key_1);
    EXPECT_DOUBLE_EQ(picture->Scale(), 1.0);
    EXPECT_GT(window.PictureArea()->horizontalScrollBar()->maximum(), 0) << "at its own size it scrolls";
    QTest::keyClick(&window, Qt::Key_Plus);
    EXPECT_DOUBLE_EQ(picture->Scale(), 1.25);
    QTest::keyClick(&window, Qt::Key_Minus);
    QTest::keyClick(&window, Qt::Key_Minus);
    EXPECT_DOUBLE_EQ(picture->Scale(), 0.8);
    QTest::keyClick(&window, Qt::Key_0);
    EXPECT_TRUE(window.PictureArea()->viewport()->rect().contains(picture->PictureRect()));
    EXPECT_EQ(window.PictureArea()->horizontalScrollBar()->maximum(), 0);
}

TEST_F(Viewer, APictureThatCannotBeReadIsOneLineNamingTheFile)
{
    m_folder.Write("broken.png", "not a picture at all");
    const DiagramFile diagram = ReadDiagram(QString::fromStdString(m_folder.File("broken.png")));
    EXPECT_TRUE(diagram.problem.contains("broken.png"));
    EXPECT_FALSE(diagram.problem.contains('\n'));
    DiagramWindow window(diagram);
    window.FitTo(kScreen);
    EXPECT_EQ(window.Picture(), nullptr);
    EXPECT_EQ(window.accessibleName(), diagram.problem);
    EXPECT_TRUE(ReadDiagram(QString::fromStdString(m_folder.File("missing.png"))).problem.contains("not found"));
}
