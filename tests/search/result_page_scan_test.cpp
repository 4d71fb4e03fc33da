#include "search/result_page_scan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace taoci {
namespace {

const std::string kItem = "<div class=\"item-box st-itembox\">";
const std::string kPicture = "<img data-ks-lazyload=\"";

struct ScanCase {
  std::string name;
  std::string page;
  std::string target1;
  std::string target2;
  bool found;
  int position;
  int items_examined;
  std::string picture_address;
  std::string price;
};

std::ostream& operator<<(std::ostream& out, const ScanCase& c) { return out << c.name; }

class ScanResultPageCases : public ::testing::TestWithParam<ScanCase> {};

TEST_P(ScanResultPageCases, GivesTheFirstBlockWithBothKeywords) {
  const ScanCase& c = GetParam();
  int hook_calls = 0;
  const PageScanResult scan = ScanResultPage(ByteText(c.page), ByteText(c.target1),
                                             ByteText(c.target2), [&hook_calls] { ++hook_calls; });
  EXPECT_EQ(scan.found, c.found);
  EXPECT_EQ(scan.position, c.position);
  EXPECT_EQ(scan.items_examined, c.items_examined);
  EXPECT_EQ(hook_calls, c.items_examined);
  EXPECT_EQ(scan.picture_address, ByteText(c.picture_address));
  EXPECT_EQ(scan.price, ByteText(c.price));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScanResultPageCases,
    ::testing::Values(
        ScanCase{"EmptyPage", "", "kw", "", false, 0, 0, "", ""},
        ScanCase{"NoKeywordGiven", kItem + "kw", "", "", false, 0, 0, "", ""},
        ScanCase{"NeitherKeywordOnThePage", "head" + kItem + "a" + kItem + "b", "kw", "shop", false,
                 0, 0, "", ""},
        ScanCase{"KeywordsOnlyInTheHead", "head kw shop" + kItem + "a" + kItem + "b", "kw", "shop",
                 false, 0, 2, "", ""},
        ScanCase{"KeywordsButNoMarker", "kw shop <div class=\"item-box\">", "kw", "shop", false, 0,
                 0, "", ""},
        // The empty second keyword passes the page test on any non-empty
        // page, so the block is examined, and abc is not ABC.
        ScanCase{"CaseSensitive", kItem + "abc", "ABC", "", false, 0, 1, "", ""},
        ScanCase{"KeywordsInTwoBlocks", kItem + "kw" + kItem + "shop", "kw", "shop", false, 0, 2,
                 "", ""},
        ScanCase{"KeywordsInEitherOrder", kItem + "kw" + kItem + "shop kw", "kw", "shop", true, 2,
                 2, "", ""},
        ScanCase{"EqualKeywords", kItem + "x" + kItem + "kw" + kItem + "kw", "kw", "kw", true, 2, 2,
                 "", ""},
        ScanCase{"FirstKeywordEmpty", kItem + "a" + kItem + "b" + kItem + "shop", "", "shop", true,
                 3, 3, "", ""},
        ScanCase{"SecondKeywordEmpty", kItem + "a" + kItem + "kw", "kw", "", true, 2, 2, "", ""},
        // Back to back markers give an empty block, numbered and counted.
        ScanCase{"EmptyBlockIsCounted", kItem + kItem + "kw", "kw", "", true, 2, 2, "", ""},
        ScanCase{"EmptyBlockNeverMatches", kItem + kItem, "", "x", false, 0, 1, "", ""},
        ScanCase{"MarkerEndsThePage", "head kw" + kItem, "kw", "", false, 0, 0, "", ""},
        // The item marker cannot begin at the second byte of a character.
        ScanCase{"MarkerInsideACharacter", "kw\xB0" + kItem + "kw", "kw", "", false, 0, 0, "", ""},
        ScanCase{"KeywordFromASecondByte", "\xE3\xBA" + kItem + "\xC4\xE3\xBA\xC3", "\xE3\xBA", "",
                 false, 0, 1, "", ""},
        // Found on the page, but only across the end of block 1.
        ScanCase{"KeywordAcrossTheNextMarker", kItem + "k" + kItem + "w", "k<div", "", false, 0, 2,
                 "", ""},
        ScanCase{"PictureAndPrice",
                 "head" + kItem + "kw" + kItem + kPicture +
                     "http://img/1.jpg\" alt=\"\"><strong>12.50</strong> kw shop",
                 "kw", "shop", true, 2, 2, "http://img/1.jpg", "12.50"},
        ScanCase{"PictureRightBeforeAQuote", kItem + "kw " + kPicture + "\"x", "kw", "", true, 1, 1,
                 "", ""},
        ScanCase{"PictureWithoutItsQuote", kItem + "kw " + kPicture + "http://img/2.jpg", "kw", "",
                 true, 1, 1, "http://img/2.jpg", ""},
        ScanCase{"PictureMarkerEndsTheBlock", kItem + "kw " + kPicture + kItem + "x", "kw", "",
                 true, 1, 1, "", ""},
        ScanCase{"TwoPictureMarkers", kItem + "kw " + kPicture + "first\" " + kPicture + "second\"",
                 "kw", "", true, 1, 1, "first", ""},
        ScanCase{"PictureUpToTheSecondMarker", kItem + "kw " + kPicture + "a b" + kPicture + "c",
                 "kw", "", true, 1, 1, "a b", ""},
        ScanCase{"NoPictureMarker", kItem + "kw <img src=\"x.jpg\">", "kw", "", true, 1, 1, "", ""},
        ScanCase{"PriceWithoutItsEnd", kItem + "kw <strong>12.50 yuan", "kw", "", true, 1, 1, "",
                 "12.50 yuan"},
        ScanCase{"PriceUpToASecondStart", kItem + "kw <strong>12<strong>13</strong>", "kw", "",
                 true, 1, 1, "", "12"},
        ScanCase{"PriceKeptAsItIs", kItem + "kw <strong><b>&yen;8</b></strong>", "kw", "", true, 1,
                 1, "", "<b>&yen;8</b>"},
        ScanCase{"PriceBeforeTheKeywords", kItem + "<strong>7</strong>" + kPicture + "p\" shop kw",
                 "kw", "shop", true, 1, 1, "p", "7"},
        // A quote that is the second byte of a character does not end the
        // address.
        ScanCase{"QuoteInsideACharacter", kItem + "kw " + kPicture + "a\x81\"b\"c", "kw", "", true,
                 1, 1, "a\x81\"b", ""}),
    [](const ::testing::TestParamInfo<ScanCase>& param) { return param.param.name; });

TEST(ScanResultPage, ExaminesEveryBlockOfALongPage) {
  std::string page = "kw";
  for (int k = 0; k < 50; ++k) page += kItem + "item";
  int hook_calls = 0;
  const PageScanResult scan =
      ScanResultPage(ByteText(page), "kw", "shop", [&hook_calls] { ++hook_calls; });
  EXPECT_FALSE(scan.found);
  EXPECT_EQ(scan.items_examined, 50);
  EXPECT_EQ(hook_calls, 50);
}

TEST(ScanResultPage, StopsAtTheFirstMatch) {
  const std::string page =
      kItem + "a" + kItem + "b" + kItem + "kw shop" + kItem + "kw shop" + kItem + "kw shop";
  int hook_calls = 0;
  const PageScanResult scan =
      ScanResultPage(ByteText(page), "kw", "shop", [&hook_calls] { ++hook_calls; });
  EXPECT_TRUE(scan.found);
  EXPECT_EQ(scan.position, 3);
  EXPECT_EQ(scan.items_examined, 3);
  EXPECT_EQ(hook_calls, 3);
}

TEST(ScanResultPage, CallsTheHookBeforeTestingTheBlock) {
  // The hook sees the count of calls rise to the matching block's number
  // before the scan returns it.
  const std::string page = kItem + "a" + kItem + "kw";
  std::vector<int> seen;
  int calls = 0;
  const PageScanResult scan = ScanResultPage(ByteText(page), "kw", "", [&] {
    ++calls;
    seen.push_back(calls);
  });
  EXPECT_EQ(scan.position, 2);
  EXPECT_EQ(seen, (std::vector<int>{1, 2}));
}

TEST(ScanResultPage, RunsWithoutAHook) {
  const PageScanResult scan =
      ScanResultPage(ByteText(kItem + "a" + kItem + "kw"), "kw", "", std::function<void()>());
  EXPECT_TRUE(scan.found);
  EXPECT_EQ(scan.items_examined, 2);
}

}  // namespace
}  // namespace taoci
