#include <gtest/gtest.h>

#include <string>

#include "app/about_window.h"

// The About window keeps the program's own version line; a new build version must come with
// a new line (and its date), never leave the window telling another version than the package.
TEST(AboutWindow, ItsVersionLineIsTheBuildsVersion) {
  app::About about;
  EXPECT_EQ(about.Line2.Text(), "Version " + std::string(KM_BUILD_VERSION) + " - December 2003");
}
