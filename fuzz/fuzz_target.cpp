// One libFuzzer program: hands each input to the harness function named by KM_FUZZ_ENTRY.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/harness/inputs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  KM_FUZZ_ENTRY(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
