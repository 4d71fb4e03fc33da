// The scan over realistic result pages: the marketplace's markup, GBK
// titles and shop names, 44 items, and other items that carry one of the two
// keywords but not both.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "search/result_page_scan.h"
#include "tests/search/generated_pages.h"

namespace taoci {
namespace {

class RealisticPages : public ::testing::TestWithParam<std::string> {};

TEST_P(RealisticPages, FindTheItemWhereTheGeneratorPutIt) {
  const std::string page = fixtures::ReadGeneratedFile(GetParam() + ".html");
  std::map<std::string, std::string> expected = fixtures::ReadDescription(GetParam() + ".txt");
  ASSERT_GT(page.size(), 200'000u);
  const int position = std::stoi(expected["position"]);

  int hook_calls = 0;
  const PageScanResult scan =
      ScanResultPage(ByteText(page), ByteText(expected["target1"]), ByteText(expected["target2"]),
                     [&hook_calls] { ++hook_calls; });
  EXPECT_EQ(scan.found, position > 0);
  EXPECT_EQ(scan.position, position);
  EXPECT_EQ(scan.items_examined, position > 0 ? position : 44);
  EXPECT_EQ(hook_calls, scan.items_examined);
  EXPECT_EQ(scan.picture_address, ByteText(expected["picture"]));
  if (GetParam().find("price-end") == std::string::npos) {
    EXPECT_EQ(scan.price, ByteText(expected["price"]));
  } else {
    // Without its </strong> the price runs on to the end of the block.
    EXPECT_EQ(std::string(scan.price.bytes()).substr(0, expected["price"].size() + 1),
              expected["price"] + "\n");
    EXPECT_GT(scan.price.size(), 1000u);
  }
}

INSTANTIATE_TEST_SUITE_P(Pages, RealisticPages,
                         ::testing::Values("at-1", "at-22", "at-44", "absent",
                                           "at-5-missing-picture", "at-5-missing-price",
                                           "at-5-missing-price-end"),
                         [](const ::testing::TestParamInfo<std::string>& param) {
                           std::string name = param.param;
                           for (char& c : name) {
                             if (c == '-') c = '_';
                           }
                           return name;
                         });

TEST(RealisticPages, OneKeywordAloneFindsTheFirstItemCarryingIt) {
  // Other items carry the target's title word or its shop, so one keyword
  // alone stops at one of those, in front of the target.
  const std::string page = fixtures::ReadGeneratedFile("at-44.html");
  std::map<std::string, std::string> expected = fixtures::ReadDescription("at-44.txt");
  const PageScanResult by_word =
      ScanResultPage(ByteText(page), ByteText(expected["target1"]), ByteText(), {});
  const PageScanResult by_shop =
      ScanResultPage(ByteText(page), ByteText(), ByteText(expected["target2"]), {});
  EXPECT_TRUE(by_word.found);
  EXPECT_TRUE(by_shop.found);
  EXPECT_LT(by_word.position, 44);
  EXPECT_LT(by_shop.position, 44);
  EXPECT_NE(by_word.position, by_shop.position);
}

}  // namespace
}  // namespace taoci
