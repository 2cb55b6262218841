#include "history/test_index_row.h"

namespace history {

std::string FileNameOf(const std::string& path) {
  std::size_t cut = path.find_last_of("/\\");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

}  // namespace history
