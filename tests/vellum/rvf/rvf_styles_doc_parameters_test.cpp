// Page parameter lines: reading whatever the locale, writing only what differs from the
// defaults in the stored order, and values that do not convert.
#include <gtest/gtest.h>

#include <clocale>

#include "vellum/rvf/rv_doc_parameters.h"

namespace vellum {
namespace {

TEST(RvfStylesDocParameters, ReadsEveryParameter)
{
    TRVDocParameters p;
    const char* lines[] = {"Units=1", "Orientation=1", "ZoomPercent=150", "ZoomMode=0", "PageWidth=21",
                           "PageHeight=29.7", "LeftMargin=2", "RightMargin=2.5", "TopMargin=3", "BottomMargin=3.5",
                           "HeaderY=1.5", "FooterY=1.25", "MirrorMargins=yes", "Unknown=5"};
    for (const char* line : lines)
        ASSERT_TRUE(p.ReadLine(line)) << line;
    EXPECT_EQ(p.Units, rvuCentimeters);
    EXPECT_EQ(p.Orientation, poLandscape);
    EXPECT_EQ(p.ZoomPercent, 150);
    EXPECT_EQ(p.ZoomMode, rvzmFullPage);
    EXPECT_EQ(p.PageWidth, 21);
    EXPECT_EQ(p.PageHeight, 29.7);
    EXPECT_EQ(p.RightMargin, 2.5);
    EXPECT_EQ(p.BottomMargin, 3.5);
    EXPECT_EQ(p.FooterY, 1.25);
    EXPECT_TRUE(p.MirrorMargins);
    ASSERT_TRUE(p.ReadLine("MirrorMargins=0"));
    EXPECT_FALSE(p.MirrorMargins);
}

TEST(RvfStylesDocParameters, PointIsTheSeparatorWhateverTheLocale)
{
    // Try a locale with a decimal comma; the result must not depend on whether it exists.
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = old ? old : "C";
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    TRVDocParameters p;
    EXPECT_TRUE(p.ReadLine("PageWidth=8.5"));
    EXPECT_EQ(p.PageWidth, 8.5);
    p.LeftMargin = 0.75;
    EXPECT_EQ(p.WriteLines(), (std::vector<std::string>{"PageWidth=8.5", "LeftMargin=0.75"}));
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(RvfStylesDocParameters, ValuesThatDoNotConvertFail)
{
    const char* bad[] = {"PageWidth=8,5", "PageWidth=", "PageWidth=abc", "ZoomPercent=1.5", "Units=x",
                         "ZoomPercent=99999999999", "TopMargin=inf", "TopMargin=nan"};
    for (const char* line : bad) {
        TRVDocParameters p;
        EXPECT_FALSE(p.ReadLine(line)) << line;
        EXPECT_EQ(p, TRVDocParameters()) << line;
    }
}

TEST(RvfStylesDocParameters, OrdinalsOutsideTheirTypeKeepTheValue)
{
    TRVDocParameters p;
    EXPECT_TRUE(p.ReadLine("Units=9"));
    EXPECT_TRUE(p.ReadLine("ZoomMode=-1"));
    EXPECT_EQ(p.Units, rvuInches);
    EXPECT_EQ(p.ZoomMode, rvzmCustom);
}

TEST(RvfStylesDocParameters, WritesOnlyDifferencesInOrder)
{
    TRVDocParameters p;
    EXPECT_TRUE(p.WriteLines().empty());
    p.MirrorMargins = true;
    p.ZoomMode = rvzmPageWidth;
    p.ZoomPercent = 75;
    p.HeaderY = 0.3;
    p.PageHeight = 11.692913387; // differs at all: written
    p.Units = rvuPoints;
    const std::vector<std::string> expected = {"Units=5", "PageHeight=11.692913387", "HeaderY=0.3",
                                               "ZoomPercent=75", "ZoomMode=1", "MirrorMargins=1"};
    EXPECT_EQ(p.WriteLines(), expected);
    TRVDocParameters back;
    for (const std::string& line : p.WriteLines())
        ASSERT_TRUE(back.ReadLine(line));
    EXPECT_EQ(back, p);
}

} // namespace
} // namespace vellum
