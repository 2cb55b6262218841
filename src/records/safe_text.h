#pragma once

#include <string>

namespace records {

// Texts that go into a test data file or its name. The format has no escape for a double
// quote, and a name must stay a plain name inside the leak folder.

// The text with every double quote and control character replaced by "_".
std::string FieldSafe(const std::string& text);
// The test series as it goes into the name and the file: also "/", "\" and a leading "."
// replaced by "_".
std::string NameSafe(const std::string& text);

}  // namespace records
