#include "app/about_window.h"

namespace app {

About::About() : Window("About", "") {
  RegisterAll(Line1, Line2, Command1);
  Command1.OnClick([this] { Hide(); });
}

}  // namespace app
