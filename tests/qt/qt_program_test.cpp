// The real Qt program, as the operator meets it: its menus, windows, close events and event
// loop. Each way out must end the event loop with every window gone and the settings written
// once, whatever is open at the time.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>

#include "core/platform/local_file_system.h"
#include "pty_line.h"
#include "qt/qt_program.h"
#include "qt_test_support.h"
#include "sim/packet.h"

namespace {

// The real file system, counting the writes of the settings file.
class CountingFiles : public core::LocalFileSystem {
 public:
  using core::LocalFileSystem::LocalFileSystem;
  core::FileResult WriteFileReplacing(const std::string& path, const std::string& contents) override {
    if (path.ends_with("testconfig.txt")) ++configWrites;
    return core::LocalFileSystem::WriteFileReplacing(path, contents);
  }
  int configWrites = 0;
};

class QtProgramTest : public ::testing::Test {
 public:
  static void SetUpTestSuite() { qt_test::EnsureApplication(); }

  QtProgramTest() { Restart(); }

  // A new program in a new folder with its leak folder, so start-up asks nothing.
  void Restart() {
    qt_.reset();
    folder_ = std::make_unique<QTemporaryDir>();
    QDir(folder_->path()).mkpath("Leak");
    std::string path = folder_->path().toStdString();
    files_ = std::make_unique<CountingFiles>(path, path);
    qt_ = std::make_unique<qtui::QtProgram>(*files_, path + "/data");
    EXPECT_TRUE(qt_->Start());
  }

  app::Program& program() { return qt_->Program(); }
  QMainWindow& Main() { return *qt_->Views().MainWindow(); }
  QAction& Action(const char* name) {
    auto* action = Main().findChild<QAction*>(name);
    EXPECT_NE(action, nullptr) << name;
    return *action;
  }

  // Runs the event loop with `steps` queued in order; the loop's result, 99 when it did not
  // return within five seconds.
  static int RunLoop(const std::vector<std::function<void()>>& steps) {
    int delay = 0;
    for (const auto& step : steps) QTimer::singleShot(delay += 20, qApp, step);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    watchdog.start(5000);
    return QApplication::exec();
  }

  int EventCount() { return std::stoi(program().serialForm.Text2.Text()); }
  // Writes into the line and waits for the event it raises, as the instrument paces packets.
  void Paced(qt_test::PtyLine& line, const std::string& bytes) {
    int before = EventCount();
    line.Write(bytes);
    qt_test::WaitFor([&] { return EventCount() > before; }, 2000);
  }

  std::vector<QWidget*> ShownWindows() {
    std::vector<QWidget*> shown;
    for (core::Window* window : program().Windows()) {
      QWidget* view = qt_->Views().ViewOf(*window);
      if (view && view->isVisible()) shown.push_back(view);
    }
    return shown;
  }

  std::unique_ptr<QTemporaryDir> folder_;
  std::unique_ptr<CountingFiles> files_;
  std::unique_ptr<qtui::QtProgram> qt_;
};

TEST_F(QtProgramTest, EachWayOutEndsTheEventLoopWithEveryWindowGone) {
  struct WayOut {
    const char* name;
    std::function<void(QtProgramTest&)> open;  // what is on the screen at the time
    std::function<void(QtProgramTest&)> leave;
  };
  auto exitItem = [](QtProgramTest& t) { t.Action("Exit").trigger(); };
  auto closeMain = [](QtProgramTest& t) { t.Main().close(); };
  auto nothing = [](QtProgramTest&) {};
  auto setUpAndAbout = [](QtProgramTest& t) {
    t.Action("KM4400SetUpItem").trigger();
    t.Action("AboutItem").trigger();
  };
  // The chart ceiling message, a modal box with an event loop of its own.
  auto box = [](QtProgramTest& t) {
    t.program().setup.MaximumFlow.SetText("9999");
    t.program().graphSetup.FlowScaleFact.SetText("100");
    t.program().graphSetup.Rescale.Click();
  };
  const WayOut ways[] = {
      {"Exit", nothing, exitItem},         {"close", nothing, closeMain},
      {"Exit, windows open", setUpAndAbout, exitItem},
      {"close, windows open", setUpAndAbout, closeMain},
      {"Exit, box open", box, exitItem},   {"close, box open", box, closeMain},
  };
  for (const WayOut& way : ways) {
    SCOPED_TRACE(way.name);
    QtProgramTest& t = *this;
    bool boxShown = false;
    int result = RunLoop({[&] { way.open(t); },
                          [&] {
                            boxShown = QApplication::activeModalWidget() != nullptr;
                            way.leave(t);
                          }});
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(program().Ended());
    EXPECT_EQ(files_->configWrites, 1);
    EXPECT_TRUE(ShownWindows().empty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(qt_->Port().PortOpen());
    if (std::string(way.name).ends_with("box open")) {
      EXPECT_TRUE(boxShown);
    }
    // A close after the end does nothing more.
    Main().close();
    EXPECT_EQ(files_->configWrites, 1);
    Restart();
  }
}

TEST_F(QtProgramTest, MenuItemsShowTheirWindowsInFront) {
  struct Item {
    const char* action;
    core::Window& window;
  };
  const Item items[] = {
      {"KM4400SetUpItem", program().setup},   {"KM4400Status", program().status},
      {"Diagnostic", program().serialForm},   {"Axis_Item", program().graphSetup},
      {"Select_Color_Item", program().penColour}, {"AboutItem", program().about},
  };
  for (const Item& item : items) {
    SCOPED_TRACE(item.action);
    Action(item.action).trigger();
    QWidget* view = qt_->Views().ViewOf(item.window);
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(qt_test::WaitFor([&] { return view->isVisible() && view->isActiveWindow(); }, 2000));
  }
  // Chosen again while another window is in front, a window comes back to the front.
  Action("KM4400SetUpItem").trigger();
  EXPECT_TRUE(qt_test::WaitFor([&] { return qt_->Views().ViewOf(program().setup)->isActiveWindow(); }, 2000));
  // No title of its own, and not the program's name either.
  EXPECT_EQ(qt_->Views().ViewOf(program().about)->windowTitle(), " ");
}

TEST_F(QtProgramTest, StartAndStopPlottingOverAPseudoTerminal) {
  qt_test::PtyLine line;
  program().PortDeviceAssignments().Assign(1, line.Path());
  auto* button = Main().findChild<QPushButton*>("Stop_Command");
  ASSERT_NE(button, nullptr);

  button->click();
  EXPECT_EQ(button->text(), "Stop Plotting");
  EXPECT_EQ(qt_test::Colour(*button), QColor(255, 192, 192));
  ASSERT_TRUE(qt_->Port().PortOpen()) << program().mainForm.Notice.Text();
  sim::PacketFields fields;
  fields.partNumber = 42;
  for (int i = 0; i < 4; ++i) Paced(line, sim::FormatPacket(fields) + sim::kTerminator);
  EXPECT_TRUE(qt_test::WaitFor([&] { return program().setup.PartNumber.Text() == "42"; }));
  // The program's own tick shows the link beside the notice line.
  const core::TextBox& link = program().mainForm.LinkStatus;
  EXPECT_TRUE(qt_test::WaitFor(
      [&] { return link.Text().ends_with("0 without STX, 0 too short to decode"); }, 2000))
      << link.Text();

  button->click();
  EXPECT_EQ(button->text(), "Start Plotting");
  EXPECT_EQ(qt_test::Colour(*button), QColor(192, 255, 192));
  EXPECT_FALSE(qt_->Port().PortOpen());
  EXPECT_TRUE(qt_test::WaitFor([&] { return link.Text().empty(); }, 2000)) << link.Text();
}

// The chart ceiling message opens inside a communication event while the instrument goes on
// sending: the port stays open however long the box waits, and after OK every packet that
// arrived meanwhile is decoded.
TEST_F(QtProgramTest, PacketsArrivingWhileAMessageBoxWaitsAreDecodedAfterIt) {
  qt_test::PtyLine line;
  program().PortDeviceAssignments().Assign(1, line.Path());
  program().setup.MaximumFlow.SetText("9999");  // any flow scale then passes the chart ceiling
  std::vector<int> flows;
  program().status.Text5.Observe([&] { flows.push_back(std::stoi(program().status.Text5.Text())); });
  auto packet = [](char status, int flow) {
    sim::PacketFields fields;
    fields.testStatus = status;
    fields.flowRateCount = flow;
    return sim::FormatPacket(fields) + sim::kTerminator;
  };
  auto paced = [&](char status, int flow) { Paced(line, packet(status, flow)); };

  constexpr int kHeldBack = 10;
  bool openDuringBox = false;
  QTimer boxWatch;
  QObject::connect(&boxWatch, &QTimer::timeout, [&] {
    QWidget* box = QApplication::activeModalWidget();
    if (!box) return;
    boxWatch.stop();
    for (int i = 0; i < kHeldBack; ++i) line.Write(packet('R', 700 + i));
    qt_test::Spin(300);  // the operator reads the message
    openDuringBox = qt_->Port().PortOpen();
    box->close();
  });
  boxWatch.start(10);

  program().mainForm.Stop_Command.Click();
  ASSERT_TRUE(qt_->Port().PortOpen()) << program().mainForm.Notice.Text();
  for (int i = 0; i < 4; ++i) paced('S', 100 + i);
  paced('R', 600);
  paced('R', 601);  // its event decodes the first read packet: the box opens
  ASSERT_FALSE(boxWatch.isActive()) << "no box was shown";
  paced('R', 800);  // the last held-back packet is decoded at the next event

  EXPECT_TRUE(openDuringBox);
  EXPECT_TRUE(qt_->Port().PortOpen()) << program().mainForm.Notice.Text();
  EXPECT_EQ(program().mainForm.Notice.Text(), "");
  std::vector<int> heldBack;
  for (int flow : flows) {
    if (flow >= 700 && flow < 800) heldBack.push_back(flow);
  }
  std::vector<int> expected;
  for (int i = 0; i < kHeldBack; ++i) expected.push_back(700 + i);
  EXPECT_EQ(heldBack, expected);
}

}  // namespace
