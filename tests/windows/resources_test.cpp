// The resources of a built zelmvik.exe, read back from the file: the icon the shell shows
// and the version block its properties show.
// Usage: zelmvik_resources_test EXE ICO (ICO: the committed icon the build should embed)
#include "icon_image.h"
#include "pe_resources.h"
#include "version_info.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <sstream>

namespace {

std::string exePath, icoPath;
constexpr uint16_t RtIcon = 3, RtGroupIcon = 14, RtVersion = 16, RtManifest = 24;
constexpr uint16_t UsEnglish = 0x0409;

const Resources &resources() {
    static const std::optional<Resources> loaded = [] {
        auto image = readFile(exePath);
        return image ? readResources(*image) : std::nullopt;
    }();
    static const Resources none;
    EXPECT_TRUE(loaded) << "no resources read from " << exePath;
    return loaded ? *loaded : none;
}

Bytes resource(uint16_t type, const std::string &name, bool named) {
    auto found = resources().find({type, name, named, UsEnglish});
    EXPECT_NE(found, resources().end()) << "no resource " << type << "/" << name;
    return found == resources().end() ? Bytes{} : found->second;
}

std::string describe(const std::set<ResourceKey> &keys) {
    std::ostringstream out;
    for (const auto &k : keys)
        out << " " << k.type << "/" << (k.named ? "\"" + k.name + "\"" : k.name) << "/" << std::hex
            << k.language << std::dec;
    return out.str();
}

TEST(ExeResources, AreTheIconItsGroupAndTheVersionBlockInUsEnglish) {
    std::set<ResourceKey> keys;
    for (const auto &entry : resources())
        if (entry.first.type != RtManifest)
            keys.insert(entry.first);
    const std::set<ResourceKey> expected = {{RtIcon, "1", false, UsEnglish},
                                            {RtGroupIcon, "A", true, UsEnglish},
                                            {RtVersion, "1", false, UsEnglish}};
    EXPECT_EQ(describe(keys), describe(expected));
}

TEST(Icon, GroupAHoldsIcon1At32x32With16Colours) {
    const Bytes group = resource(RtGroupIcon, "A", true);
    const Reader read(group);
    ASSERT_EQ(group.size(), 6u + 14u);
    EXPECT_EQ(read.u16(0), 0);
    EXPECT_EQ(read.u16(2), 1); // icons, not cursors
    EXPECT_EQ(read.u16(4), 1);
    EXPECT_EQ(group[6], 32);
    EXPECT_EQ(group[7], 32);
    EXPECT_EQ(group[8], 16);
    EXPECT_EQ(read.u16(10), 1);
    EXPECT_EQ(read.u16(12), 4);
    EXPECT_EQ(read.u32(14), resource(RtIcon, "1", false).size());
    EXPECT_EQ(read.u16(18), 1);
}

TEST(Icon, IsTheCommittedIconFile) {
    auto ico = readFile(icoPath);
    ASSERT_TRUE(ico) << icoPath;
    const Reader read(*ico);
    ASSERT_EQ(read.u16(4), 1) << "one image in the file";
    auto size = read.u32(14), offset = read.u32(18);
    ASSERT_TRUE(size && offset);
    EXPECT_EQ(read.slice(*offset, *size), resource(RtIcon, "1", false));
}

TEST(Icon, Is4BitsPerPixelInTheStandardPaletteWithAMask) {
    auto icon = decodeIcon(resource(RtIcon, "1", false));
    ASSERT_TRUE(icon) << "not a 32x32 4-bit icon image with a mask";
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(icon->palette[i], StandardPalette[i]) << "colour " << i;
}

TEST(Icon, ShowsARoundYellowFaceShadedOliveAtLeftAndBottom) {
    auto icon = decodeIcon(resource(RtIcon, "1", false));
    ASSERT_TRUE(icon);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const double r = std::hypot(x + 0.5 - 16, y + 0.5 - 16);
            if (icon->clear(x, y)) {
                EXPECT_GT(r, 13) << "hole in the face at " << x << "," << y;
                EXPECT_EQ(icon->index(x, y), Black)
                    << "clear pixel would tint at " << x << "," << y;
            } else {
                EXPECT_LE(r, 16.5) << "paint outside the disc at " << x << "," << y;
                const int c = icon->index(x, y);
                EXPECT_TRUE(c == Yellow || c == Olive || c == Black) << x << "," << y << ": " << c;
            }
        }
    for (auto [x, y] : {std::pair{0, 0}, {31, 0}, {0, 31}, {31, 31}})
        EXPECT_TRUE(icon->clear(x, y)) << "corner " << x << "," << y;
    EXPECT_EQ(icon->index(16, 16), Yellow) << "centre";
    EXPECT_EQ(icon->index(24, 6), Yellow) << "upper right, in the light";
    EXPECT_EQ(icon->index(16, 2), Yellow) << "top";
    EXPECT_EQ(icon->index(29, 16), Yellow) << "right";
    EXPECT_EQ(icon->index(2, 16), Olive) << "left";
    EXPECT_EQ(icon->index(16, 29), Olive) << "bottom";
    EXPECT_EQ(icon->index(6, 25), Olive) << "lower left";
}

TEST(Icon, HasBlackEyesAndASmilingMouth) {
    auto icon = decodeIcon(resource(RtIcon, "1", false));
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->index(11, 11), Black) << "left eye";
    EXPECT_EQ(icon->index(20, 11), Black) << "right eye";
    EXPECT_EQ(icon->index(16, 11), Yellow) << "between the eyes";
    // A smile: the middle of the mouth lies lower than its corners.
    auto lowest = [&](int x) {
        for (int y = 31; y > 16; --y)
            if (!icon->clear(x, y) && icon->index(x, y) == Black)
                return y;
        return -1;
    };
    EXPECT_GT(lowest(16), lowest(9) + 1);
    EXPECT_GT(lowest(16), lowest(22) + 1);
    EXPECT_GT(lowest(9), 16);
    EXPECT_GT(lowest(22), 16);
}

std::optional<VersionNode> versionInfo() {
    return parseVersionInfo(resource(RtVersion, "1", false));
}

TEST(VersionBlock, FixedPartIs0111ForAnApplication) {
    auto root = versionInfo();
    ASSERT_TRUE(root);
    EXPECT_EQ(root->key, "VS_VERSION_INFO");
    ASSERT_EQ(root->value.size(), 52u) << "VS_FIXEDFILEINFO";
    const Reader fixed(root->value);
    EXPECT_EQ(fixed.u32(0), 0xFEEF04BDu) << "signature";
    EXPECT_EQ(fixed.u32(8), 0x00000001u) << "file version, most significant";
    EXPECT_EQ(fixed.u32(12), 0x00010001u) << "file version, least significant";
    EXPECT_EQ(fixed.u32(16), 0x00000001u) << "product version, most significant";
    EXPECT_EQ(fixed.u32(20), 0x00010001u) << "product version, least significant";
    EXPECT_EQ(fixed.u32(28), 0u) << "file flags";
    EXPECT_EQ(fixed.u32(32), 0u) << "file OS";
    EXPECT_EQ(fixed.u32(36), 1u) << "file type: application";
    EXPECT_EQ(fixed.u32(40), 0u) << "file subtype";
}

TEST(VersionBlock, StringTableHoldsExactlyTheProgramsEntries) {
    auto root = versionInfo();
    ASSERT_TRUE(root);
    const VersionNode *info = root->child("StringFileInfo");
    ASSERT_TRUE(info);
    ASSERT_EQ(info->children.size(), 1u);
    const VersionNode &table = info->children[0];
    EXPECT_EQ(table.key, "040904E4");

    std::map<std::string, std::string> entries;
    for (const auto &entry : table.children) {
        EXPECT_TRUE(entry.text) << entry.key;
        EXPECT_TRUE(entries.emplace(entry.key, entry.string).second) << "twice: " << entry.key;
    }
    const std::string description = entries["FileDescription"];
    EXPECT_FALSE(description.empty());
    EXPECT_EQ(description.find_first_of("\r\n"), std::string::npos) << "one line";
    const std::map<std::string, std::string> expected = {
        {"CompanyName", ""},
        {"FileVersion", "0.1"},
        {"FileDescription", description},
        {"InternalName", ""},
        {"LegalCopyright", ""},
        {"LegalTrademarks", ""},
        {"OriginalFilename", "zelmvik.exe"},
        {"ProductName", "zelmvik"},
        {"ProductVersion", "0.1"},
    };
    EXPECT_EQ(entries, expected);
}

TEST(VersionBlock, TranslationIsUsEnglishInCodePage1252) {
    auto root = versionInfo();
    ASSERT_TRUE(root);
    const VersionNode *vars = root->child("VarFileInfo");
    ASSERT_TRUE(vars);
    const VersionNode *translation = vars->child("Translation");
    ASSERT_TRUE(translation);
    EXPECT_EQ(translation->value, (Bytes{0x09, 0x04, 0xE4, 0x04}));
    EXPECT_EQ(root->children.size(), 2u) << "StringFileInfo and VarFileInfo only";
}

} // namespace

int main(int argc, char **argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s EXE ICO\n", argv[0]);
        return 2;
    }
    exePath = argv[1];
    icoPath = argv[2];
    return RUN_ALL_TESTS();
}
