#include "records/stored_test_values.h"

namespace records {

void StoredTestValues::TakeSetUp(const StoredTestValues& read) {
  std::string header = Header;
  float pressure = Pressure;
  *this = read;
  Header = std::move(header);
  Pressure = pressure;
}

}  // namespace records
