// The layout's look-up of a control's place.
#include "app/core/layout.h"

#include <gtest/gtest.h>

namespace {

TEST(Layout, PlaceOfFindsTheSixControlsAndTheMessageLineOnly) {
  for (int id = IDC_TEXT; id <= IDC_END_LABEL; ++id) {
    ASSERT_NE(nullptr, place_of(id)) << id;
    EXPECT_EQ(id, place_of(id)->id);
  }
  EXPECT_EQ(&kMessageLine, place_of(IDC_MESSAGE_LINE));
  for (int id : {0, 999, 1007, -1}) EXPECT_EQ(nullptr, place_of(id)) << id;
}

}  // namespace
