#include "cfgui/field_readers.h"
#include "tests/cfgui/fake_view.h"

#include <gtest/gtest.h>

namespace k7r::cfgui {
namespace {

TEST(FieldReaders, DropDownWithSelectionIsReadFromTheSelectedItem) {
    fake::FakeView view;
    view[10].items = {"25.175", "40.000"};
    view[10].text = "typed";
    view[10].selection = 1;
    EXPECT_EQ(ReadMilliField(view, 10)->milli, 40000u);
    view[10].selection = -1;
    EXPECT_FALSE(ReadMilliField(view, 10).has_value());
}

} // namespace
} // namespace k7r::cfgui
