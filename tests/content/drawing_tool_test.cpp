// The drawing program is deterministic: run twice, it writes the same bytes, and the same
// bytes as it wrote for this build.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>

#include <unistd.h>

#include "content/picture.h"
#include "tests/content/little_endian.h"

namespace tolm::testing {
namespace {

namespace fs = std::filesystem;

std::set<std::string> namesIn(const fs::path& dir) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) names.insert(entry.path().filename().string());
    return names;
}

// Scratch space of this process alone, so that two builds may run their tests at once.
fs::path scratch(const std::string& name) {
    return fs::path(::testing::TempDir()) / (name + "-" + std::to_string(::getpid()));
}

int draw(const fs::path& dir) {
    return std::system(("\"" + std::string(TOLM_PICTURES_TOOL) + "\" \"" + dir.string() + "\"").c_str());
}

TEST(DrawingProgram, WritesTheSameFilesOnEveryRun) {
    const fs::path root = scratch("tolm-drawing-test");
    const fs::path first = root / "first";
    const fs::path second = root / "second";
    fs::remove_all(root);
    ASSERT_EQ(draw(first), 0);
    ASSERT_EQ(draw(second), 0);

    std::set<std::string> expected{"icon-30001.bin", "icon-30002.bin", "icon-30003.bin", "icon-group.bin", "tolm.ico"};
    for (int size : {16, 32, 48, 64, 128, 256}) expected.insert("tolm-" + std::to_string(size) + ".png");
    for (const auto& picture : content::kPictures) expected.insert(std::string(picture.stem) + ".bmp");
    ASSERT_EQ(namesIn(first), expected);
    ASSERT_EQ(namesIn(second), expected);
    for (const std::string& name : expected) {
        const Bytes bytes = readFile(first / name);
        EXPECT_EQ(bytes, readFile(second / name)) << name << " differs between two runs";
        EXPECT_EQ(bytes, readFile(artDir() / name)) << name << " differs from the build's";
    }
    fs::remove_all(root);
}

TEST(DrawingProgram, RefusesAnUnwritableFolder) {
    const fs::path root = scratch("tolm-drawing-blocked");
    fs::remove_all(root);
    fs::create_directories(root);
    // A file where the folder should be: the program must say so, or the build would go on
    // with stale pictures.
    const fs::path blocked = root / "art";
    std::ofstream(blocked) << "in the way";
    EXPECT_NE(draw(blocked / "inner"), 0);
    fs::remove_all(root);
}

}  // namespace
}  // namespace tolm::testing
