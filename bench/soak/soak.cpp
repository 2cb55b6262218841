// One program on the real receive path and a real leak folder, fed the simulator's packet
// stream as fast as it goes in the automatic retriggering mode: resident memory after a
// warm-up and at the end, and whether every finished test was saved once.
// Usage: soak [packets] [--saves-only]   (default 1,000,000; --saves-only: no memory bound)
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "soak/leak_folder_check.h"
#include "soak/soak_stream.h"

namespace {

// Growth past the warm-up that still counts as flat: allocator slack, not a test per test.
constexpr long kMemoryBoundKb = 4096;

long ResidentKb() {
  std::FILE* status = std::fopen("/proc/self/status", "r");
  if (!status) return -1;
  char line[256];
  long kb = -1;
  while (std::fgets(line, sizeof line, status))
    if (std::sscanf(line, "VmRSS: %ld kB", &kb) == 1) break;
  std::fclose(status);
  return kb;
}

}  // namespace

int main(int argc, char** argv) {
  long long packets = 1'000'000;
  bool judgeMemory = true;
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    if (arg == "--saves-only")
      judgeMemory = false;
    else
      packets = std::atoll(argv[i]);
  }
  if (packets < 2) {
    std::fprintf(stderr, "usage: soak [packets >= 2] [--saves-only]\n");
    return 2;
  }

  soak::SoakStream stream;
  const long long warmUp = packets / 10;
  long warmKb = 0;
  for (long long i = 0; i < packets; ++i) {
    stream.SendNext();
    if (i + 1 == warmUp) warmKb = ResidentKb();
  }
  const long endKb = ResidentKb();
  const soak::LeakFolderCheck check = soak::CheckLeakFolder(stream.LeakFolder());

  std::printf("packets sent        %lld\n", packets);
  std::printf("finished tests      %lld\n", stream.FinishedTests());
  std::printf("files saved         %lld (extension numbers 1 to %lld %s)\n", check.files,
              check.highestNumber, check.contiguous ? "without a gap" : "WITH GAPS");
  std::printf("files not a whole test %lld\n", check.unreadable);
  std::printf("tests set aside     %lld in unsaved/\n", soak::FilesIn(stream.UnsavedFolder()));
  std::printf("port                %s\n", stream.PortOpen() ? "open" : "CLOSED");
  std::printf("resident memory     %ld kB after %lld packets, %ld kB at the end: %+ld kB\n", warmKb,
              warmUp, endKb, endKb - warmKb);

  bool savesComplete = check.contiguous && check.files == stream.FinishedTests() &&
                       check.unreadable == 0 && soak::FilesIn(stream.UnsavedFolder()) == 0 &&
                       stream.PortOpen();
  bool memoryFlat = endKb - warmKb <= kMemoryBoundKb;
  if (!savesComplete) std::printf("FAIL: a finished test was lost, overwritten or set aside\n");
  if (judgeMemory && !memoryFlat)
    std::printf("FAIL: memory grew by more than %ld kB\n", kMemoryBoundKb);
  return savesComplete && (memoryFlat || !judgeMemory) ? 0 : 1;
}
