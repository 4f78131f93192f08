// What both front ends take from a window definition: pixels at a DPI, faces, colours, the
// tab order, the names a screen reader reads, and where a window comes up.
#include <gtest/gtest.h>

#include <set>

#include "frontend/shared/accessible_names.h"
#include "frontend/shared/colors.h"
#include "frontend/shared/fonts.h"
#include "frontend/shared/geometry.h"
#include "frontend/shared/placement.h"
#include "frontend/shared/tab_order.h"
#include "model/forms/program_windows.h"

namespace reminder::presentation {
namespace {

TEST(Geometry, TwipsBecomeWholePixelsAtTheScreensDpi) {
  EXPECT_EQ(toPixels(1440), 96);
  EXPECT_EQ(toPixels(1440, 144), 144);
  EXPECT_EQ(toPixels(29), 1);  // rounded down: neighbours never overlap
  EXPECT_EQ(toPixels(2415, 120), 201);
  // A large window at a high DPI does not overflow on the way.
  EXPECT_EQ(toPixels(20'000'000, 480), 6'666'666);
  const PixelRect rect = toPixels(TwipRect{150, 300, 2415, 315}, 192);
  EXPECT_EQ(rect.left, 20);
  EXPECT_EQ(rect.top, 40);
  EXPECT_EQ(rect.width, 322);
  EXPECT_EQ(rect.height, 42);
}

// A work area of 1920 x 1040 on a second monitor to the right of the first.
TEST(Placement, CascadedAndCentredWindowsStayInsideTheWorkArea) {
  const PixelRect work{1920, 0, 1920, 1040};
  EXPECT_EQ(cascadedFrom({2000, 100, 380, 470}, 23, 320, 230, work), (PixelPoint{2023, 123}));
  // Near the right and bottom edges it is pulled back in; larger than the area, it keeps
  // its top-left corner there.
  EXPECT_EQ(cascadedFrom({3700, 900, 220, 140}, 23, 320, 230, work), (PixelPoint{3520, 810}));
  EXPECT_EQ(cascadedFrom({2000, 100, 380, 470}, 23, 2000, 1100, work), (PixelPoint{1920, 0}));
  EXPECT_EQ(centredIn(work, 498, 308), (PixelPoint{2631, 366}));
  EXPECT_EQ(centredIn(work, 2000, 1100), (PixelPoint{1920, 0}));
  EXPECT_EQ(scaledPixels(3, 96), 3);
  EXPECT_EQ(scaledPixels(3, 192), 6);
}

TEST(Fonts, AMissingFaceStartsAtItsFirstInstalledStandIn) {
  const std::set<std::string> installed{"Liberation Sans", "DejaVu Sans"};
  const auto isInstalled = [&](const std::string& f) { return installed.contains(f); };
  const FaceChoice choice = chooseFace({"Showcard Gothic", 12, true}, isInstalled);
  EXPECT_EQ(choice.families, (std::vector<std::string>{"Liberation Sans", "DejaVu Sans"}));
  EXPECT_EQ(choice.kind, FaceKind::Decorative);
  EXPECT_EQ(choice.pixelSize, 16);
  EXPECT_TRUE(choice.bold);
}

TEST(Fonts, AnInstalledFaceIsAskedForFirstAtItsOwnSize) {
  const auto everything = [](const std::string&) { return true; };
  const FaceChoice choice = chooseFace({"Arabic Typesetting", 20, false}, everything, 144);
  EXPECT_EQ(choice.families.front(), "Arabic Typesetting");
  EXPECT_EQ(choice.pixelSize, 40);
  // Only the stand-ins, whose letters run larger, are made smaller.
  const auto nothing = [](const std::string&) { return false; };
  EXPECT_EQ(chooseFace({"Arabic Typesetting", 20, false}, nothing, 144).pixelSize, 32);
}

TEST(Fonts, AFaceWithoutStandInsIsKeptAsNamed) {
  const auto nothing = [](const std::string&) { return false; };
  const FaceChoice choice = chooseFace({"Some Face", 9, false}, nothing);
  EXPECT_EQ(choice.families, (std::vector<std::string>{"Some Face"}));
  EXPECT_EQ(choice.kind, FaceKind::Any);
  EXPECT_EQ(choice.pixelSize, 12);
}

TEST(Colors, SystemColoursKeepTheirWindowsIndexAndNearestRole) {
  EXPECT_EQ(systemColorIndex(SystemColor::WindowText), 8);
  EXPECT_EQ(systemColorIndex(SystemColor::HighlightText), 14);
  EXPECT_EQ(systemColorIndex(SystemColor::InactiveCaptionText), 19);
  EXPECT_EQ(paletteRole(SystemColor::InactiveCaptionText), PaletteRole::Button);
  EXPECT_EQ(paletteRole(SystemColor::WindowBackground), PaletteRole::Base);
}

TEST(TabOrder, FollowsTabIndicesAndSkipsWhatTakesNoFocus) {
  Form2 picker;
  const std::vector<Control*> order = tabOrder(picker);
  ASSERT_GE(order.size(), 5U);
  EXPECT_EQ(order[0], &picker.Drive1);
  EXPECT_EQ(order[1], &picker.Dir1);
  EXPECT_EQ(order[2], &picker.File1);
  for (std::size_t i = 1; i < order.size(); ++i) {
    EXPECT_LE(order[i - 1]->layout.tabIndex, order[i]->layout.tabIndex);
  }
  Form1 main;
  for (Control* control : tabOrder(main)) {
    EXPECT_EQ(dynamic_cast<Label*>(control), nullptr) << control->name();
    EXPECT_EQ(dynamic_cast<Image*>(control), nullptr) << control->name();
  }
}

TEST(AccessibleNames, CaptionThenTooltipThenName) {
  Form1 main;
  EXPECT_EQ(accessibleName(main.Command1), "Start");
  main.Label15.setCaption("");
  EXPECT_EQ(accessibleName(main.Label15),
            main.Label15.layout.toolTip.empty() ? "Label15" : main.Label15.layout.toolTip);
  main.Label15.setCaption("Time Set to 5 Minute");
  EXPECT_EQ(accessibleName(main.Label15), "Time Set to 5 Minute");
  EXPECT_EQ(accessibleName(main), "KAVELTO Time Reminder");
  FrmSplash splash;
  EXPECT_EQ(accessibleName(splash), "frmSplash");  // no caption of its own
  EXPECT_EQ(accessibleName(splash.Image1), "OK");
  Form2 picker;
  EXPECT_EQ(accessibleName(picker.Drive1), "Drive");
  EXPECT_EQ(accessibleName(picker.Dir1), "Folder");
  EXPECT_EQ(accessibleName(picker.File1), "File");
}

}  // namespace
}  // namespace reminder::presentation
