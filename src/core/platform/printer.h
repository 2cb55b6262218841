#pragma once

#include <string>

#include "core/platform/drawing_surface.h"

namespace core {

// How a printed document ended: on paper or in a file, or not at all and why.
struct PrintOutcome {
  enum class Kind { Printed, Cancelled, Failed };
  Kind kind = Kind::Printed;
  std::string text;  // where the page went ("saved as ..."), else why nothing was printed
  explicit operator bool() const { return kind == Kind::Printed; }
};

// A printer that takes one page per document. StartDoc settles where the page goes (the
// operator's choice of printer, or a file named after `documentPath` beside it) before
// anything is drawn; the page is then drawn through Page() and sent by EndDoc.
class Printer {
 public:
  virtual ~Printer() = default;

  virtual PrintOutcome StartDoc(const std::string& documentPath) = 0;
  // The page of the document started last. Cls and Visible mean nothing on paper.
  virtual DrawingSurface& Page() = 0;
  virtual PrintOutcome EndDoc() = 0;
};

}  // namespace core
