// The report on the Qt platform: three stored tests printed to a real PDF file beside them,
// read back with poppler's tools, and the preview window showing the same report. With
// KM_PICTURE_DIR set, the PDF, its page as PNG and the preview window's picture are left there
// to be looked at.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>
#include <cmath>

#include "app/program.h"
#include "core/platform/local_file_system.h"
#include "doubles/fake_clock.h"
#include "doubles/scripted_dialogs.h"
#include "doubles/scripted_serial_port.h"
#include "qt/picture_surface.h"
#include "qt/program_views.h"
#include "qt/qt_printer.h"
#include "qt/raster_surface.h"
#include "qt_test_support.h"

namespace {

std::string Header(int test) {
  return "Part #12  ,Set Pressure: 10.0 PSI,  Cal Leak: 10.6 SCCM,  Monday, December 08, 2003,  "
         "3:45:1" +
         std::to_string(test) + " PM";
}

// A full stored test: fill, stabilisation and read phases over the whole paper, a little
// higher for each test, the read phase with an offset so its compensated curve shows.
std::string StoredTest(int test) {
  std::string text = "\"" + Header(test) +
                     "\"\r\n1775,233,490,1.6,10\r\n12,5,5,10,1.03,10,10\r\n5,10.6,490,10,20,0.1\r\n"
                     "10,0.5,5,20,\"A1\"\r\n";
  for (int i = 0; i <= 770; ++i) {
    const char* status = i < 250 ? "F" : i < 500 ? "S" : "R";
    double y = 490 + (700 + 150 * test) * std::exp(-i / 150.0) + 40 * std::sin(i / 30.0);
    text += std::to_string(i) + "," + std::to_string(static_cast<int>(y)) + "," +
            (i >= 500 ? "-60" : "0") + ",\"" + status + "\"\r\n";
  }
  return text;
}

QString RunTool(const QString& tool, const QStringList& arguments) {
  QProcess process;
  process.start(tool, arguments);
  if (!process.waitForFinished(20000) || process.exitCode() != 0) return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

void KeepForLooking(const QString& path) {
  QString dir = qEnvironmentVariable("KM_PICTURE_DIR");
  if (dir.isEmpty()) return;
  QDir().mkpath(dir);
  QString target = QDir(dir).filePath(QFileInfo(path).fileName());
  QFile::remove(target);
  QFile::copy(path, target);
}

class PrintedReportTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { qt_test::EnsureApplication(); }

  PrintedReportTest()
      : files_(Made("start"), QDir(folder_.path()).filePath("home").toStdString()),
        program_(app::Platform{port_, chart_, clock_, dialogs_, files_, picture_, printer_}),
        views_(program_, chart_, picture_) {
    QDir(folder_.path()).mkpath("home/Leak");
    program_.Form_Load();
    // Plot colour codes 8 to 15, so the three tests stand apart.
    for (int i = 0; i < 8; ++i)
      program_.penColour.ColourSelect[static_cast<std::size_t>(i)]->SetText(std::to_string(8 + i));
    for (int test = 1; test <= 3; ++test) {
      std::string name = Leak("1208A1." + std::to_string(test));
      QFile file(QString::fromStdString(name));
      EXPECT_TRUE(file.open(QIODevice::WriteOnly));
      file.write(QByteArray::fromStdString(StoredTest(test)));
      program_.selectedFiles[static_cast<std::size_t>(test - 1)] = name;
    }
  }

  std::string Made(const char* sub) {
    QDir(folder_.path()).mkpath(sub);
    return QDir(folder_.path()).filePath(sub).toStdString();
  }
  std::string Leak(const std::string& name) const {
    return QDir(folder_.path()).filePath(QString::fromStdString("home/Leak/" + name)).toStdString();
  }

  QTemporaryDir folder_;
  doubles::ScriptedSerialPort port_;
  qtui::RasterSurface chart_;
  doubles::FakeClock clock_;
  doubles::ScriptedDialogs dialogs_;
  core::LocalFileSystem files_;
  qtui::PictureSurface picture_;
  qtui::QtPrinter printer_{false};
  app::Program program_;
  qtui::ProgramViews views_;
};

TEST_F(PrintedReportTest, ThreeStoredTestsGoToAPdfBesideThemWithEveryLineOfText) {
  program_.mainForm.Print.Click();
  EXPECT_TRUE(dialogs_.Messages().empty()) << dialogs_.Messages().front();
  QString pdf = QString::fromStdString(Leak("1208A1.3.pdf"));
  ASSERT_TRUE(QFileInfo::exists(pdf));
  EXPECT_EQ(program_.mainForm.Notice.Text(), "Report saved as " + pdf.toStdString() + ".");
  EXPECT_TRUE(program_.selectedFiles[0].empty());
  KeepForLooking(pdf);

  QString text = RunTool("pdftotext", {"-raw", pdf, "-"});
  ASSERT_FALSE(text.isEmpty()) << "pdftotext read nothing";
  // pdftotext writes a run of blanks as one.
  EXPECT_TRUE(text.contains(QString::fromStdString(Header(3)).simplified())) << text.toStdString();
  for (int test = 1; test <= 3; ++test) {
    std::string caption =
        " 3:45:1" + std::to_string(test) + " PM,  " + Leak("1208A1." + std::to_string(test));
    EXPECT_TRUE(text.contains(QString::fromStdString(caption).simplified())) << caption;
  }
  for (const char* line :
       {"Part Number :12", "Time Base :0.1 sec. per div", "Fill Time :5", "Stab Time :5",
        "Read Time :10", "Leak Limit :5", "Cal Leak :10.6", "Flow Zero :490", "Max Slope :10",
        "Min Flow :5", "Press Tol :20", "Pressure :0", "Version :1.03", "Flow Slope Limit :10",
        "Press Reference :10", "Flow Negative Limit :10"}) {
    EXPECT_TRUE(text.contains(line)) << line;
  }
  EXPECT_FALSE(text.contains("sec. per div.")) << "the printed time base has no full stop";

  QString png = QDir(folder_.path()).filePath("page");
  RunTool("pdftoppm", {"-png", "-r", "60", "-singlefile", pdf, png});
  QImage page(png + ".png");
  ASSERT_FALSE(page.isNull());
  EXPECT_GT(page.width(), page.height()) << "a landscape page";
  KeepForLooking(png + ".png");
}

TEST_F(PrintedReportTest, APdfThatCannotBeWrittenIsAMessageAndTheSelectionIsKept) {
  program_.selectedFiles[3] =
      QDir(folder_.path()).filePath("no such folder/1208A1.4").toStdString();
  program_.mainForm.Print.Click();
  ASSERT_EQ(dialogs_.Messages().size(), 1u);
  EXPECT_NE(dialogs_.Messages()[0].find("The report could not be printed: the file "),
            std::string::npos)
      << dialogs_.Messages()[0];
  EXPECT_FALSE(program_.selectedFiles[0].empty());
  EXPECT_FALSE(program_.Ended());
}

TEST_F(PrintedReportTest, ThePreviewWindowShowsTheReportOnItsPicture) {
  program_.mainForm.Show();
  auto* preview = views_.MainWindow()->findChild<QAction*>("PrintPreview");
  ASSERT_NE(preview, nullptr);
  preview->trigger();
  // Not modal: the main window is still the operator's to use.
  EXPECT_TRUE(views_.MainWindow()->isEnabled());
  QWidget* window = views_.ViewOf(program_.printDrawForm);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle(), "Print");
  QImage shown = window->grab().toImage();
  const QImage& drawn = picture_.Image();
  QRgb background = drawn.pixel(drawn.width() - 1, drawn.height() - 1);
  int inked = 0;
  for (int y = 0; y < drawn.height(); ++y)
    for (int x = 0; x < drawn.width(); ++x) inked += drawn.pixel(x, y) != background;
  EXPECT_GT(inked, 2000);
  QString path = QDir(folder_.path()).filePath("preview-window.png");
  ASSERT_TRUE(shown.save(path));
  KeepForLooking(path);
}

}  // namespace
