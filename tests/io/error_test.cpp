#include "io/error.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace morlindo {
namespace {

TEST(Error, KeepsItsPatternAndValuesAndSaysTheEnglishMessage) {
    const Error error("d/walk.plt", "the file ends after %1 of the %2 point lines",
                      {"%2", systemReason(ENOENT)}, 7);
    EXPECT_STREQ(error.pattern(), "the file ends after %1 of the %2 point lines");
    // One pass: a value holding a place is not filled again.
    EXPECT_EQ(error.reason(),
              "the file ends after %2 of the No such file or directory point lines");
    EXPECT_EQ(std::string(error.what()), displayPath("d/walk.plt") + ":7: " + error.reason());
    EXPECT_EQ(error.values()[1].errorNumber, ENOENT);
    EXPECT_EQ(error.values()[0].errorNumber, 0);
    EXPECT_EQ(fillPattern("%1%9%", std::vector<std::string>{"a"}), "a%9%");
    // A library error code carries its errno value where it has one.
    EXPECT_EQ(systemReason(std::make_error_code(std::errc::no_space_on_device)).errorNumber,
              ENOSPC);
}

}  // namespace
}  // namespace morlindo
