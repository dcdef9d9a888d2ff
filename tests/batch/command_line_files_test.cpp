#include "batch/command_line_files.h"

#include <gtest/gtest.h>

#include "support/fake_front_end.h"

namespace morlindo {
namespace {

using test::Paths;

TEST(CommandLineFiles, OpenTheFirstTabThatReadsOneAndListOnlyWhatItReads) {
    const FilesToOpen mixed = filesToOpen({"notes.txt", "w.ALR", "h.plt", "x.alr", "out.rte"});
    EXPECT_EQ(mixed.tab, ConversionKind::AlmapToOziTrack);
    EXPECT_EQ(mixed.listed, (Paths{"w.ALR", "x.alr"}));
    EXPECT_EQ(mixed.refused, (Paths{"notes.txt", "h.plt", "out.rte"}));
    EXPECT_EQ(filesToOpen({"day.nmea"}).tab, ConversionKind::NmeaToAlmap);

    const FilesToOpen none = filesToOpen({"out.txt", "alr"});
    EXPECT_EQ(none.tab, std::nullopt);
    EXPECT_EQ(none.refused, (Paths{"out.txt", "alr"}));
}

}  // namespace
}  // namespace morlindo
