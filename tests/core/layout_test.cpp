// The layout's look-up of a control's place.
#include "app/core/layout.h"

#include <gtest/gtest.h>

namespace {

TEST(Layout, PlaceOfFindsTheSixControlsOnly) {
  for (int id = IDC_TEXT; id <= IDC_END_LABEL; ++id) {
    ASSERT_NE(nullptr, place_of(id)) << id;
    EXPECT_EQ(id, place_of(id)->id);
  }
  for (int id : {0, 999, 1006, -1}) EXPECT_EQ(nullptr, place_of(id)) << id;
}

}  // namespace
