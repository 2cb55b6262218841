// The live chart's raster: its grid background, the mapping of chart values onto pixel rows and
// columns, clipping, clearing, the changed-area rectangle and high-density screens.
#include "qt/raster_surface.h"

#include <gtest/gtest.h>

#include <QApplication>

#include "qt/qt_test_support.h"
#include <algorithm>
#include <utility>
#include <vector>

#include "trend/grid_picture.h"

namespace {

QRgb ToQRgb(core::Rgb c) { return qRgb(core::RedOf(c), core::GreenOf(c), core::BlueOf(c)); }

const QRgb kRed = qRgb(255, 0, 0);

class RasterSurfaceTest : public ::testing::Test {
 protected:
  // Text needs the font database; tests of the other views may have made the application already.
  static void SetUpTestSuite() { qt_test::EnsureApplication(); }

  void SetUp() override {
    grid_ = trend::GridPicture::Build();
    surface_.Scale(0, 1775, 770, 233);
    surface_.SetForeColor(core::MakeRgb(255, 0, 0));
    surface_.TakeDirtyRect();
  }

  QRgb GridAt(int x, int y) const { return ToQRgb(grid_[static_cast<std::size_t>(y * 771 + x)]); }

  // Every image pixel that differs from the grid, as (x, y) points in grid pixels.
  std::vector<QPoint> Changed(const QImage& image, int ratio = 1) const {
    std::vector<QPoint> out;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, y) != GridAt(x / ratio, y / ratio)) out.emplace_back(x, y);
      }
    }
    return out;
  }

  std::vector<core::Rgb> grid_;
  qtui::RasterSurface surface_;
};

TEST_F(RasterSurfaceTest, BackgroundIsTheGridPicturePixelForPixel) {
  const QImage& image = surface_.Image();
  ASSERT_EQ(image.size(), QSize(771, 458));
  EXPECT_TRUE(Changed(image).empty());

  qtui::RasterSurface dense(2.0);
  ASSERT_EQ(dense.Image().size(), QSize(1542, 916));
  EXPECT_EQ(dense.Image().devicePixelRatio(), 2.0);
  EXPECT_TRUE(Changed(dense.Image(), 2).empty()) << "each grid pixel is a 2 x 2 block";
}

struct Point {
  float x, value;
  int column, row;
};

TEST_F(RasterSurfaceTest, ChartValuesMapOntoRowsFromTheTopEdgeToTheBottomEdge) {
  for (const Point& p : std::vector<Point>{{100, 233, 100, 457},
                                           {200, 1775, 200, 0},
                                           {300, 490, 300, 380},
                                           {0, 1000, 0, 229},
                                           {770, 1000, 770, 229},
                                           {10, 1775, 10, 0},
                                           {769, 233, 769, 457}}) {
    surface_.Cls();
    surface_.Line(p.x, p.value, p.x, p.value);
    EXPECT_EQ(Changed(surface_.Image()), (std::vector<QPoint>{QPoint(p.column, p.row)}))
        << p.x << "," << p.value;
  }
}

TEST_F(RasterSurfaceTest, LinesAreClippedAtTheEdges) {
  surface_.Line(50, 1000, 50, 3000);   // runs off the top
  surface_.Line(700, 490, 900, 490);   // runs off the right
  surface_.Line(400, -500, 400, 100);  // wholly below the bottom
  std::vector<QPoint> changed = Changed(surface_.Image());
  std::vector<QPoint> expected;
  for (int y = 0; y <= 229; ++y) expected.emplace_back(50, y);
  for (int x = 700; x <= 770; ++x) expected.emplace_back(x, 380);
  std::sort(changed.begin(), changed.end(),
            [](QPoint a, QPoint b) { return std::pair(a.x(), a.y()) < std::pair(b.x(), b.y()); });
  EXPECT_EQ(changed, expected);
}

TEST_F(RasterSurfaceTest, LineUsesItsOwnColourOrElseTheForeColourAndMovesTheTextPosition) {
  surface_.Line(10, 490, 10, 490);
  surface_.Line(20, 490, 30, 700, core::MakeRgb(0, 0, 255));
  EXPECT_EQ(surface_.Image().pixel(10, 380), kRed);
  EXPECT_EQ(surface_.Image().pixel(20, 380), qRgb(0, 0, 255));
  EXPECT_EQ(surface_.ForeColor(), core::MakeRgb(255, 0, 0));
  EXPECT_FLOAT_EQ(surface_.CurrentX(), 30);
  EXPECT_FLOAT_EQ(surface_.CurrentY(), 700);
}

TEST_F(RasterSurfaceTest, ClsRestoresTheGridAndMarksTheWholeImage) {
  surface_.Line(0, 1775, 770, 233);
  surface_.SetCurrentX(123);
  surface_.TakeDirtyRect();
  surface_.Cls();
  EXPECT_TRUE(Changed(surface_.Image()).empty());
  EXPECT_EQ(surface_.TakeDirtyRect(), QRect(0, 0, 771, 458));
  EXPECT_FLOAT_EQ(surface_.CurrentX(), 0);
  EXPECT_FLOAT_EQ(surface_.CurrentY(), 1775);
}

TEST_F(RasterSurfaceTest, DirtyRectCoversExactlyTheDrawnSegmentAndIsTakenOnce) {
  surface_.Line(100, 490, 110, 1775);
  std::vector<QPoint> changed = Changed(surface_.Image());
  ASSERT_FALSE(changed.empty());
  QRect bounds;
  for (QPoint p : changed) bounds |= QRect(p, QSize(1, 1));
  EXPECT_EQ(bounds, QRect(QPoint(100, 0), QPoint(110, 380)));
  EXPECT_EQ(surface_.TakeDirtyRect(), bounds);
  EXPECT_TRUE(surface_.TakeDirtyRect().isEmpty());
  surface_.Line(100, 490, 110, 1775);
  EXPECT_TRUE(surface_.TakeDirtyRect().isEmpty()) << "a line redrawn over itself changes nothing";
  surface_.Line(0, 1775, 770, 1775, core::MakeRgb(0, 255, 0));
  EXPECT_EQ(surface_.TakeDirtyRect(), QRect(0, 0, 771, 1))
      << "the leak-limit line across the top edge";
  surface_.Line(400, 5000, 410, 6000);  // outside: nothing changes
  EXPECT_TRUE(surface_.TakeDirtyRect().isEmpty());
}

TEST_F(RasterSurfaceTest, OnADenseScreenLinesAreOneGridPixelWideAtFullResolution) {
  qtui::RasterSurface dense(2.0);
  dense.Scale(0, 1775, 770, 233);
  dense.SetForeColor(core::MakeRgb(255, 0, 0));
  dense.TakeDirtyRect();
  dense.Line(300, 490, 302, 490);
  std::vector<QPoint> changed = Changed(dense.Image(), 2);
  EXPECT_EQ(changed.size(), 6u * 2u) << "three grid pixels, each a 2 x 2 block";
  EXPECT_EQ(dense.Image().pixel(600, 760), kRed);
  EXPECT_EQ(dense.Image().pixel(605, 761), kRed);
  EXPECT_EQ(dense.TakeDirtyRect(), QRect(600, 760, 6, 2));

  dense.Line(0, 1775, 1, 1770);  // from grid pixel (0, 0) to (1, 1)
  EXPECT_EQ(dense.Image().pixel(2, 1), kRed)
      << "a diagonal steps at the screen's resolution, not in 2 x 2 blocks";
  EXPECT_EQ(dense.Image().pixel(3, 3), kRed);
}

TEST_F(RasterSurfaceTest, ChangingTheDensityKeepsWhatIsDrawn) {
  surface_.Line(300, 490, 300, 490);
  surface_.SetDevicePixelRatio(2.0);
  EXPECT_EQ(surface_.Image().size(), QSize(1542, 916));
  EXPECT_EQ(surface_.Image().pixel(600, 760), kRed);
  EXPECT_EQ(surface_.Image().pixel(601, 761), kRed);
  EXPECT_EQ(surface_.TakeDirtyRect(), QRect(0, 0, 1542, 916));
  surface_.Cls();
  EXPECT_TRUE(Changed(surface_.Image(), 2).empty());
}

TEST_F(RasterSurfaceTest, DegenerateScaleDrawsNothing) {
  surface_.Scale(0, 100, 770, 100);
  surface_.Line(10, 100, 20, 100);
  EXPECT_TRUE(surface_.TakeDirtyRect().isEmpty());
  EXPECT_FLOAT_EQ(surface_.TextHeight("Flow"), 0);
}

TEST_F(RasterSurfaceTest, PrintDrawsTextAtTheCurrentPositionAndMovesToTheNextLine) {
  surface_.Scale(0, 0, 770, 457);  // pixels, y downwards
  surface_.SetFontSize(12);
  surface_.SetCurrentX(100);
  surface_.SetCurrentY(200);
  float height = surface_.TextHeight("Leak");
  EXPECT_GT(height, 10);
  EXPECT_GT(surface_.TextWidth("Leak Leak"), surface_.TextWidth("Leak"));
  surface_.Print("Leak");
  std::vector<QPoint> changed = Changed(surface_.Image());
  ASSERT_FALSE(changed.empty());
  QRect inked;
  for (QPoint p : changed) inked |= QRect(p, QSize(1, 1));
  EXPECT_GE(inked.left(), 100) << "the position is the text's top-left corner";
  EXPECT_GE(inked.top(), 200);
  EXPECT_LT(inked.bottom(), 200 + height);
  EXPECT_TRUE(surface_.TakeDirtyRect().contains(inked));
  EXPECT_FLOAT_EQ(surface_.CurrentX(), 0);
  EXPECT_FLOAT_EQ(surface_.CurrentY(), 200 + height);
}

}  // namespace
