// The Windows resource script, compiled as the Windows build compiles it, record by record:
// the icon images, the icon group and the version record.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>
#include <utility>

#include <unistd.h>

#include "tests/content/little_endian.h"

namespace tolm::testing {
namespace {

constexpr std::uint32_t kRtIcon = 3;
constexpr std::uint32_t kRtGroupIcon = 14;
constexpr std::uint32_t kRtVersion = 16;
constexpr std::uint32_t kEnglishUs = 0x0409;
// A resource named by a string rather than a number; none of ours is.
constexpr std::uint32_t kNamedByString = 0xFFFFFFFF;

// One record of a .res file: DataSize, HeaderSize, Type, Name, padding to 32 bits,
// DataVersion, MemoryFlags, LanguageId, Version, Characteristics, then the data.
struct Record {
    std::uint32_t headerSize;
    std::uint32_t type;
    std::uint32_t name;
    std::uint32_t dataVersion;
    std::uint32_t language;
    std::uint32_t version;
    std::uint32_t characteristics;
    Bytes data;
};

std::size_t align4(std::size_t n) { return (n + 3) & ~std::size_t{3}; }

// A type or name: 0xFFFF and a number, or a zero-terminated UTF-16 string.
std::uint32_t readId(const Bytes& b, std::size_t& at) {
    if (u16(b, at) == 0xFFFF) {
        const std::uint32_t id = u16(b, at + 2);
        at += 4;
        return id;
    }
    while (u16(b, at) != 0) at += 2;
    at += 2;
    return kNamedByString;
}

std::vector<Record> parseRes(const Bytes& b) {
    std::vector<Record> records;
    for (std::size_t at = 0; at + 8 <= b.size();) {
        Record r{};
        const std::uint32_t dataSize = u32(b, at);
        r.headerSize = u32(b, at + 4);
        std::size_t field = at + 8;
        r.type = readId(b, field);
        r.name = readId(b, field);
        field = align4(field);
        r.dataVersion = u32(b, field);
        r.language = u16(b, field + 6);
        r.version = u32(b, field + 8);
        r.characteristics = u32(b, field + 12);
        const std::size_t data = at + r.headerSize;
        if (data + dataSize > b.size()) break;
        r.data.assign(b.begin() + static_cast<std::ptrdiff_t>(data),
                      b.begin() + static_cast<std::ptrdiff_t>(data + dataSize));
        records.push_back(std::move(r));
        at = align4(data + dataSize);
    }
    return records;
}

// One node of the version record's tree: wLength, wValueLength, wType, the key, then the
// value and the children, each at a 32-bit boundary of the resource data.
struct VersionNode {
    std::string key;
    bool text;
    Bytes value;
    std::vector<VersionNode> children;
};

VersionNode parseVersionNode(const Bytes& b, std::size_t at) {
    VersionNode node;
    const std::size_t end = at + u16(b, at);
    const std::size_t valueLength = u16(b, at + 2);
    node.text = u16(b, at + 4) == 1;
    std::size_t p = at + 6;
    for (; u16(b, p) != 0; p += 2) node.key += static_cast<char>(u16(b, p));
    p = align4(p + 2);
    // Text values count UTF-16 units, terminator included; binary values count bytes.
    const std::size_t valueBytes = node.text ? 2 * valueLength : valueLength;
    node.value.assign(b.begin() + static_cast<std::ptrdiff_t>(p),
                      b.begin() + static_cast<std::ptrdiff_t>(p + valueBytes));
    for (p = align4(p + valueBytes); p < end; p = align4(p + u16(b, p)))
        node.children.push_back(parseVersionNode(b, p));
    return node;
}

std::string textValue(const VersionNode& node) {
    std::string s;
    for (std::size_t i = 0; i + 1 < node.value.size(); i += 2) {
        if (u16(node.value, i) == 0) break;
        s += static_cast<char>(u16(node.value, i));
    }
    return s;
}

class ResourceScript : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // One file per process: the tests of this suite may run side by side.
        const std::filesystem::path out =
            std::filesystem::path(::testing::TempDir()) / ("tolm-resources-" + std::to_string(::getpid()) + ".res");
        const std::filesystem::path script = std::filesystem::path(TOLM_SOURCE_DIR) / "content" / "tolm.rc";
        const std::string command = std::string("\"") + TOLM_WINDRES + "\" --preprocessor=cpp -I \"" +
                                    artDir().string() + "\" -O res \"" + script.string() + "\" \"" + out.string() +
                                    "\"";
        status_ = std::system(command.c_str());
        records_ = parseRes(readFile(out));
        std::filesystem::remove(out);
    }

    static const Record* find(std::uint32_t type, std::uint32_t name) {
        for (const Record& r : records_) {
            if (r.type == type && r.name == name) return &r;
        }
        return nullptr;
    }

    static inline int status_ = -1;
    static inline std::vector<Record> records_;
};

TEST_F(ResourceScript, CompilesToTheIconImagesTheGroupAndTheVersionRecord) {
    ASSERT_EQ(status_, 0) << TOLM_WINDRES << " failed";
    // A .res file opens with an empty record that marks it as 32-bit.
    ASSERT_FALSE(records_.empty());
    EXPECT_EQ(records_.front().type, 0u);
    EXPECT_EQ(records_.front().name, 0u);
    EXPECT_TRUE(records_.front().data.empty());

    std::map<std::pair<std::uint32_t, std::uint32_t>, std::size_t> expected{
        {{kRtIcon, 30001}, 304}, {{kRtIcon, 30002}, 744}, {{kRtIcon, 30003}, 296},
        {{kRtGroupIcon, 1}, 48}, {{kRtVersion, 1}, 0},
    };
    for (auto it = records_.begin() + 1; it != records_.end(); ++it) {
        SCOPED_TRACE("type " + std::to_string(it->type) + ", id " + std::to_string(it->name));
        const auto e = expected.find({it->type, it->name});
        ASSERT_NE(e, expected.end()) << "a resource nobody asked for";
        if (e->second != 0) {
            EXPECT_EQ(it->data.size(), e->second);
        }
        expected.erase(e);
        EXPECT_EQ(it->headerSize, 32u) << "numeric type and id";
        EXPECT_EQ(it->language, kEnglishUs);
        EXPECT_EQ(it->dataVersion, 0u);
        EXPECT_EQ(it->version, 0u);
        EXPECT_EQ(it->characteristics, 0u);
    }
    EXPECT_TRUE(expected.empty()) << expected.size() << " resources missing";
}

TEST_F(ResourceScript, HoldsTheDrawnIconImagesAndTheirGroup) {
    for (std::uint32_t id : {30001u, 30002u, 30003u}) {
        const Record* image = find(kRtIcon, id);
        ASSERT_NE(image, nullptr) << id;
        EXPECT_EQ(image->data, readFile(artDir() / ("icon-" + std::to_string(id) + ".bin"))) << id;
    }
    const Record* group = find(kRtGroupIcon, 1);
    ASSERT_NE(group, nullptr);
    ASSERT_EQ(group->data.size(), 48u);
    for (std::size_t i = 0; i < 3; ++i) {
        // Each entry names its image by id and repeats its size.
        const std::uint32_t id = u16(group->data, 6 + 14 * i + 12);
        EXPECT_EQ(id, 30001 + i);
        const Record* image = find(kRtIcon, id);
        ASSERT_NE(image, nullptr) << id;
        EXPECT_EQ(u32(group->data, 6 + 14 * i + 8), image->data.size()) << id;
    }
}

TEST_F(ResourceScript, VersionRecordNamesVersionOneOfTheProgram) {
    const Record* record = find(kRtVersion, 1);
    ASSERT_NE(record, nullptr);
    const VersionNode root = parseVersionNode(record->data, 0);
    EXPECT_EQ(root.key, "VS_VERSION_INFO");
    EXPECT_FALSE(root.text);
    ASSERT_EQ(root.value.size(), 52u) << "VS_FIXEDFILEINFO";
    struct Field {
        std::size_t at;
        std::uint32_t value;
        const char* name;
    };
    constexpr Field kFixed[] = {
        {0, 0xFEEF04BD, "signature"},
        {4, 0x00010000, "structure version"},
        {8, 0x00010000, "file version 1.0"},
        {12, 0, "file version .0.0"},
        {16, 0x00010000, "product version 1.0"},
        {20, 0, "product version .0.0"},
        {24, 0, "flags mask"},
        {28, 0, "flags"},
        {32, 4, "VOS__WINDOWS32"},
        {36, 1, "VFT_APP"},
        {40, 0, "subtype"},
        {44, 0, "date, high"},
        {48, 0, "date, low"},
    };
    for (const Field& f : kFixed) EXPECT_EQ(u32(root.value, f.at), f.value) << f.name;

    ASSERT_EQ(root.children.size(), 2u);
    const VersionNode& strings = root.children[0];
    EXPECT_EQ(strings.key, "StringFileInfo");
    ASSERT_EQ(strings.children.size(), 1u);
    const VersionNode& table = strings.children[0];
    EXPECT_EQ(table.key, "040904B0");
    const std::pair<const char*, const char*> kStrings[] = {
        {"CompanyName", "Tolm developers"}, {"ProductName", "Tolm"},  {"FileVersion", "1.00"},
        {"ProductVersion", "1.00"},         {"InternalName", "Tolm"}, {"OriginalFilename", "Tolm.exe"},
    };
    ASSERT_EQ(table.children.size(), std::size(kStrings));
    for (std::size_t i = 0; i < std::size(kStrings); ++i) {
        EXPECT_EQ(table.children[i].key, kStrings[i].first) << "key " << i;
        EXPECT_TRUE(table.children[i].text) << kStrings[i].first;
        EXPECT_EQ(textValue(table.children[i]), kStrings[i].second) << kStrings[i].first;
    }

    const VersionNode& vars = root.children[1];
    EXPECT_EQ(vars.key, "VarFileInfo");
    ASSERT_EQ(vars.children.size(), 1u);
    EXPECT_EQ(vars.children[0].key, "Translation");
    ASSERT_EQ(vars.children[0].value.size(), 4u) << "one language and code page pair";
    EXPECT_EQ(u16(vars.children[0].value, 0), kEnglishUs);
    EXPECT_EQ(u16(vars.children[0].value, 2), 1200u) << "Unicode";
}

}  // namespace
}  // namespace tolm::testing
