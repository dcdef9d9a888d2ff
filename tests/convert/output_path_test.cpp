#include "convert/output_path.h"

#include <gtest/gtest.h>

namespace morlindo {
namespace {

struct Case {
    const char* input;
    const char* output;
};

TEST(OutputPathFor, CutsTheFileNameAtItsLastDot) {
#ifdef _WIN32
    const Case cases[] = {
        {R"(C:\gps\walk.2004.alr)", R"(C:\gps\walk.2004.plt)"},
        {R"(C:\gps\.alr)", R"(C:\gps\.plt)"},
        {R"(C:\\a.alr)", R"(C:\\a.plt)"},
        {R"(C:/gps/walk.alr)", R"(C:/gps/walk.plt)"},
        {R"(D:a.alr)", R"(D:a.plt)"},
        {R"(C:\my.gps\walk)", R"(C:\my.gps\walk.plt)"},
    };
#else
    const Case cases[] = {
        {"/gps/walk.alr", "/gps/walk.plt"},
        {"/gps/walk.2004.alr", "/gps/walk.2004.plt"},
        {"/gps/2023.05.01 Bukhansan.gpx", "/gps/2023.05.01 Bukhansan.plt"},
        {"/gps/walk.", "/gps/walk.plt"},
        {"/gps/.alr", "/gps/.plt"},
        {"//gps//walk.alr", "//gps//walk.plt"},  // components are taken unchanged
        {"walk", "walk.plt"},
        {"/my.gps/walk", "/my.gps/walk.plt"},  // a dot in a folder name is not cut
        {"/gps/산책.alr", "/gps/산책.plt"},
    };
#endif
    for (const auto& c : cases) EXPECT_EQ(outputPathFor(c.input, ".plt"), c.output) << c.input;
}

}  // namespace
}  // namespace morlindo
