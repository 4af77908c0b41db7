#include <gtest/gtest.h>

#include <QMenu>
#include <QPixmap>

#include "GuiTestSupport.h"
#include "view/PhotoView.h"

using namespace guitest;
using lum::EditState;
using lum::PhotoView;

namespace {
QRgb pixelOf(const lum::Image& img, int x, int y) {
    const uint8_t* p = img.pixel(x, y);
    return qRgb(p[2], p[1], p[0]);
}
}  // namespace

TEST(PhotoView, AWidePhotoIsFittedOnCommit) {
    App();
    EditState st;
    PhotoView view(st);
    view.resize(500, 440);
    st.MemoryImage.resize(1000, 400);
    st.CommitMemoryImage();
    EXPECT_EQ(st.ZoomIndex, 0);
    EXPECT_EQ(st.ZoomTable[0], 49);
    EXPECT_EQ(view.PaintBox1()->size(), QSize(490, 196));
    EXPECT_EQ(view.PaintBox1()->pos(), QPoint(0, 0));
}

TEST(PhotoView, AFittingPhotoKeepsTheZoom) {
    App();
    EditState st;
    PhotoView view(st);
    view.resize(500, 440);
    st.ZoomIndex = 9;  // 200 %
    st.MemoryImage.resize(500, 440);  // exactly the box
    st.CommitMemoryImage();
    EXPECT_EQ(st.ZoomIndex, 9);
    EXPECT_EQ(view.PaintBox1()->size(), QSize(1000, 880));
}

TEST(PhotoView, MappingAndLayoutTruncate) {
    App();
    EditState st;
    PhotoView view(st);
    st.ZoomIndex = 3;  // 33 %
    EXPECT_EQ(view.ViewToImage(10), 30);
    EXPECT_EQ(view.ImageToView(30), 9);
    st.WorkImage.resize(333, 10);
    view.LayoutView();
    EXPECT_EQ(view.PaintBox1()->width(), 109);
    EXPECT_EQ(view.PaintBox1()->height(), 3);
    // A zero slot never divides by zero.
    st.ZoomTable[0] = 0;
    st.ZoomIndex = 0;
    EXPECT_EQ(view.Zoom(), 1);
    EXPECT_EQ(view.ViewToImage(5), 500);
}

TEST(PhotoView, MenuZoomIsHeldInSlotZero) {
    App();
    EditState st;
    PhotoView view(st);
    view.resize(500, 440);
    st.MemoryImage.resize(301, 99);
    st.CommitMemoryImage();
    view.ZoomToPercent(125);
    EXPECT_EQ(st.ZoomIndex, 0);
    EXPECT_EQ(st.ZoomTable[0], 125);
    EXPECT_EQ(view.Zoom(), 125);
    // Round(301 x 1.25) = 376, Round(99 x 1.25) = 124 (123.75)
    EXPECT_EQ(view.PaintBox1()->size(), QSize(376, 124));
    EXPECT_EQ(view.ViewToImage(125), 100);
    // Nothing for a zero or negative percentage.
    view.ZoomToPercent(0);
    view.ZoomToPercent(-3);
    EXPECT_EQ(st.ZoomTable[0], 125);
    EXPECT_EQ(view.PaintBox1()->size(), QSize(376, 124));
    // The images are not touched.
    EXPECT_EQ(st.WorkImage.width(), 301);
    EXPECT_EQ(st.MemoryImage.width(), 301);
}

TEST(PhotoView, FitPercentagesKeepRoomForTheScrollBar) {
    // (500 x 100 - 1600) / 1000 = 48.4
    EXPECT_EQ(PhotoView::FitWidthPercent(500, 1000), 48);
    // (440 x 100 - 1600) / 400 = 106
    EXPECT_EQ(PhotoView::FitHeightPercent(440, 400), 106);
    // The smaller of the two.
    EXPECT_EQ(PhotoView::FitWindowPercent(500, 440, 1000, 400), 48);
    EXPECT_EQ(PhotoView::FitWindowPercent(500, 440, 400, 1000), 42);
    // Ties go to even: (17 x 100 - 1600) / 40 = 2.5 and (19 x 100 - 1600) / 200 = 1.5.
    EXPECT_EQ(PhotoView::FitWidthPercent(17, 40), 2);
    EXPECT_EQ(PhotoView::FitWidthPercent(19, 200), 2);
    // A box narrower than the scroll bar gives a percentage that the menu ignores.
    EXPECT_LE(PhotoView::FitWidthPercent(10, 100), 0);
}

TEST(PhotoView, DrawsPlainAt100AndRepeatsPixelsWhenZoomed) {
    App();
    EditState st;
    PhotoView view(st);
    view.resize(200, 200);
    st.MemoryImage = Pattern(7, 5, 3);
    st.CommitMemoryImage();
    view.show();
    Pump();
    QImage shot = view.PaintBox1()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shot.size(), QSize(7, 5));
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) EXPECT_EQ(shot.pixel(x, y), pixelOf(st.WorkImage, x, y)) << x << "," << y;

    st.ZoomIndex = 9;  // 200 %
    view.LayoutView();
    shot = view.PaintBox1()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shot.size(), QSize(14, 10));
    // Each photo pixel becomes a 2 x 2 block of the same colour: no filtering.
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 14; ++x) EXPECT_EQ(shot.pixel(x, y), pixelOf(st.WorkImage, x / 2, y / 2)) << x << "," << y;
}

TEST(PhotoView, ZoomMenuHasItsThirteenItems) {
    App();
    QWidget owner;
    QMenu* menu = PhotoView::CreateZoomScalePopupMenu(&owner);
    EXPECT_EQ(menu->objectName(), QStringLiteral("ZoomScalePopupMenu"));
    const std::pair<const char*, const char*> expected[] = {
        {"ZoomTo_10_Menuitem", "Zoom to 10%"},   {"ZoomTo_25_Menuitem", "Zoom to 25%"},
        {"ZoomTo_33_Menuitem", "Zoom to 33%"},   {"ZoomTo_50_Menuitem", "Zoom to 50%"},
        {"ZoomTo_66_Menuitem", "Zoom to 66%"},   {"ZoomTo_75_Menuitem", "Zoom to 75%"},
        {"ZoomTo_100_Menuitem", "Zoom to 100%"}, {"ZoomTo_125_Menuitem", "Zoom to 125%"},
        {"ZoomTo_150_Menuitem", "Zoom to 150%"}, {"ZoomTo_200_Menuitem", "Zoom to 200%"},
        {"ZoomTo_FitWidth_Menuitem", "Zoom to Fit Width"}, {"ZoomTo_FitHeight_Menuitem", "Zoom to Fit Height"},
        {"ZoomTo_FitWindow_Menuitem", "Fit Window"},
    };
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), 13);
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(actions[i]->objectName(), QString::fromLatin1(expected[i].first));
        EXPECT_EQ(actions[i]->text(), QString::fromLatin1(expected[i].second));
    }
}

TEST(PhotoView, ToolCursorsByIndex) {
    App();
    lum::RegisterToolCursor(42, QCursor(Qt::CrossCursor));
    EXPECT_EQ(lum::ToolCursor(42).shape(), Qt::CrossCursor);
    EXPECT_EQ(lum::ToolCursor(43).shape(), Qt::ArrowCursor);
}
