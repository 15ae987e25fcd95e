// Shared by the item record tests: a context that records what the lines asked of the pass,
// hex text of byte strings, and small picture files.
#pragma once

#include "platform/picture.h"
#include "tests/platform/picture_fixtures.h"
#include "tests/vellum/rvf/printable_bytes.h"
#include "vellum/document/custom_rv_data.h"
#include "vellum/rvf/rvf_item_context.h"
#include "vellum/style/rv_style.h"

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace vellum::items_test {

using testing::Hex;

class FakeItemContext : public RvfItemContext {
public:
    TRVFOptions options = 0;
    uint8_t warnings = 0;
    std::vector<std::string> nestedBodies;
    bool nestedResult = true;
    std::vector<std::string> styleNames{"Normal text", "Heading", "Caption"};

    int32_t TextStyleByName(std::string_view name) override
    {
        for (size_t i = 0; i < styleNames.size(); ++i)
            if (styleNames[i] == name)
                return static_cast<int32_t>(i);
        return 0;
    }
    bool HasOption(TRVFOption option) const override { return vellum::HasOption(options, option); }
    void Warn(int bit) override { warnings |= static_cast<uint8_t>(1u << bit); }
    std::shared_ptr<const platform::Picture> InvalidPicture() override { return invalid; }
    bool ReadNestedDocument(TCustomRVData&, std::string_view body) override
    {
        nestedBodies.emplace_back(body);
        return nestedResult;
    }

    std::shared_ptr<const platform::Picture> invalid{MakeBuiltInInvalidPicture()};
};

// A 2 x 3 24-bit BMP file.
inline std::string SmallBmp()
{
    using namespace picture_fixtures;
    DibSpec layout;
    layout.width = 2;
    layout.height = 3;
    layout.bits = Rows({Bytes({1, 2, 3, 4, 5, 6}), Bytes({1, 2, 3, 4, 5, 6}), Bytes({1, 2, 3, 4, 5, 6})});
    return MakeBmpFile(layout);
}

// A seed picture of the picture decoder's fuzz corpus, without the byte that picks the format.
inline std::string CorpusPicture(const std::string& name)
{
    std::ifstream in(std::string(WENLOCKE_SOURCE_DIR) + "/fuzz/corpus/picture_fuzz/" + name,
                     std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    std::string seed = bytes.str();
    return seed.empty() ? seed : seed.substr(1);
}

} // namespace vellum::items_test
