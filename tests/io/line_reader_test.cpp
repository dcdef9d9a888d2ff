#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "io/input_file.h"
#include "support/test_files.h"

namespace morlindo {
namespace {

std::vector<std::string> linesOf(const std::string& content, std::size_t maxLength = 1 << 20) {
    test::TempDir dir;
    test::writeFile(dir / "f.txt", content);
    InputFile file(dir / "f.txt");
    LineReader reader(file, maxLength);
    std::vector<std::string> lines;
    std::string_view line;
    while (reader.next(line)) {
        lines.emplace_back(line);
        if (reader.lineWasCut()) lines.back() += "<cut>";
    }
    return lines;
}

TEST(LineReader, EndsLinesAtCrLfLoneCrAndLoneLf) {
    using Lines = std::vector<std::string>;
    const std::pair<std::string, Lines> cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        {"\r\n\r\n", {"", ""}},
        {"\n\r", {"", ""}},
        {"\r\r\n\n", {"", "", ""}},
        {"x\n\ny", {"x", "", "y"}},
        {std::string("a\0b\r\n", 5), {std::string("a\0b", 3)}},
    };
    for (const auto& [content, lines] : cases) EXPECT_EQ(linesOf(content), lines) << content;
}

TEST(LineReader, JoinsCrLfSplitAcrossBlocksAndLongLines) {
    const std::string longLine(65535, 'x');  // the CR ends the first block, its LF starts the next
    EXPECT_EQ(linesOf(longLine + "\r\nnext\r\n"), (std::vector<std::string>{longLine, "next"}));
    const std::string huge(200000, 'y');
    EXPECT_EQ(linesOf("a\r\n" + huge + "\r\nb"), (std::vector<std::string>{"a", huge, "b"}));
}

// Line ends anywhere within the eight-byte words the reader searches, and
// across its blocks, among bytes of every value.
TEST(LineReader, SplitsRandomTextAsAPlainSplitterDoes) {
    std::mt19937 random(20041108);
    std::string content;
    while (content.size() < 200000) {
        const auto roll = random() % 16;
        content += roll == 0 ? '\r' : roll == 1 ? '\n' : static_cast<char>(random() % 256);
    }
    std::vector<std::string> expected{""};
    for (std::size_t i = 0; i < content.size(); ++i) {
        if (content[i] != '\r' && content[i] != '\n') {
            expected.back() += content[i];
            continue;
        }
        if (content[i] == '\r' && i + 1 < content.size() && content[i + 1] == '\n') ++i;
        if (i + 1 < content.size()) expected.emplace_back();
    }
    EXPECT_EQ(linesOf(content), expected);
}

TEST(LineReader, CutsLinesAboveTheLimitAndGoesOn) {
    EXPECT_EQ(linesOf("abcdefgh\r\nxy\r\n" + std::string(100000, 'z') + "\nend", 4),
              (std::vector<std::string>{"abcd<cut>", "xy", "zzzz<cut>", "end"}));
}

}  // namespace
}  // namespace morlindo
