#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "child_process.h"
#include "sim/pty_output.h"
#include "sim/pty_pair.h"
#include "sim/sim_options.h"
#include "sim/simulator.h"

namespace sim {
namespace {

using test_support::ChildProcess;

// Long enough for any machine; a hang here is a failure, not a slow pass.
constexpr int kGiveUpMs = 20000;

int OpenReader(const std::string& path, int extraFlags = 0) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NOCTTY | extraFlags);
  EXPECT_GE(fd, 0) << "cannot open " << path;
  return fd;
}

// Reads until `size` bytes arrived or the line went quiet or closed.
std::string ReadBytes(int fd, std::size_t size) {
  std::string bytes;
  char buffer[4096];
  while (bytes.size() < size) {
    pollfd line{fd, POLLIN, 0};
    if (::poll(&line, 1, kGiveUpMs) <= 0) {
      break;
    }
    const ssize_t n = ::read(fd, buffer, std::min(sizeof buffer, size - bytes.size()));
    if (n <= 0) {
      break;
    }
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  return bytes;
}

// Everything queued for the reader right now.
std::string Drain(int fd) {
  std::string bytes;
  char buffer[4096];
  ssize_t n = 0;
  while ((n = ::read(fd, buffer, sizeof buffer)) > 0) {
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  return bytes;
}

SimOptions Parsed(const std::vector<std::string>& args) {
  const ParseResult result = ParseArgs(args);
  EXPECT_EQ(result.outcome, ParseResult::Outcome::kRun) << result.message;
  return result.options;
}

TEST(OpenPty, GivesARawNineSixHundredBaudLine) {
  const PtyPair pty = OpenPty();
  const int reader = OpenReader(pty.SlavePath());
  ASSERT_GE(reader, 0);
  // CR, ^C, ^D, DEL and 8-bit bytes would all be changed or eaten by a cooked terminal.
  const std::string bytes = std::string(
                                "\x02"
                                "401\r\n\x03\x04\x7f\xff\x00",
                                11) +
                            "end";
  ASSERT_EQ(::write(pty.MasterFd(), bytes.data(), bytes.size()),
            static_cast<ssize_t>(bytes.size()));
  EXPECT_EQ(ReadBytes(reader, bytes.size()), bytes);

  termios settings{};
  ASSERT_EQ(::tcgetattr(reader, &settings), 0);
  EXPECT_EQ(::cfgetospeed(&settings), static_cast<speed_t>(B9600));
  EXPECT_EQ(settings.c_cflag & (CSIZE | PARENB | CSTOPB), static_cast<tcflag_t>(CS8));
  EXPECT_EQ(settings.c_lflag & (ICANON | ECHO), 0u);
  ::close(reader);
}

TEST(PtyOutput, KeepsGoingWithNoReaderAndKeepsTheNewestBytes) {
  PtyPair pty = OpenPty();
  const std::string path = pty.SlavePath();
  PtyOutput output(std::move(pty), std::chrono::milliseconds(20));
  // Several times what a pty queue holds.
  const std::string block(1000, 'x');
  const int blocks = 200;
  for (int i = 0; i < blocks; ++i) {
    ASSERT_TRUE(output.Write(block));
  }
  ASSERT_TRUE(output.Write("newest"));

  const int reader = OpenReader(path, O_NONBLOCK);
  ASSERT_GE(reader, 0);
  const std::string queued = Drain(reader);
  EXPECT_LT(queued.size(), blocks * block.size());
  EXPECT_EQ(queued.substr(queued.size() - 6), "newest");
  ::close(reader);
}

TEST(SimulatorPty, PrintsAPathThatCarriesTheGeneratedStream) {
  const std::vector<std::string> args = {"--pty", "--count",   "40",  "--rate",   "0", "--seed",
                                         "7",     "--garbage", "0.3", "--linger", "1"};
  ChildProcess sim(KM_SIM_BINARY, args);
  const std::string path = sim.ReadLine();
  ASSERT_EQ(path.rfind("/dev/", 0), 0u) << "first line: " << path;
  const int reader = OpenReader(path);
  ASSERT_GE(reader, 0);

  const std::string expected = GenerateStream(Parsed(args), 40);
  EXPECT_EQ(ReadBytes(reader, expected.size()), expected);
  ::close(reader);
  const int status = sim.Wait();
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
  EXPECT_EQ(sim.ReadRemainingOutput(), "") << "only the path goes to standard output";
}

TEST(SimulatorPty, OutlivesReadersAndStopsCleanlyOnASignal) {
  for (const int signal : {SIGTERM, SIGINT}) {
    SCOPED_TRACE(signal);
    const std::vector<std::string> args = {"--pty", "--rate", "200", "--seed", "4"};
    ChildProcess sim(KM_SIM_BINARY, args);
    const std::string path = sim.ReadLine();
    const std::string stream = GenerateStream(Parsed(args), 200);

    // Two readers one after the other; the second picks up where the first left off.
    const int first = OpenReader(path);
    ASSERT_GE(first, 0);
    const std::string start = ReadBytes(first, 5 * kFrameLength);
    ::close(first);
    const int second = OpenReader(path);
    ASSERT_GE(second, 0);
    const std::string more = ReadBytes(second, 5 * kFrameLength);
    ::close(second);

    EXPECT_EQ(start, stream.substr(0, start.size()));
    ASSERT_EQ(more.size(), 5 * kFrameLength);
    EXPECT_NE(stream.find(more, start.size()), std::string::npos);

    sim.Signal(signal);
    const int status = sim.Wait();
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
  }
}

}  // namespace
}  // namespace sim
