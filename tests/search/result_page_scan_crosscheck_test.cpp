// The fast scan against the literal one, on many random pages full of
// markers, broken markers and two-byte characters.
#include <gtest/gtest.h>

#include <string>

#include "search/result_page_scan.h"
#include "tests/search/plain_page_scan.h"
#include "tests/text/random_gbk_bytes.h"

namespace taoci {
namespace {

TEST(ResultPageScanCrossCheck, AgreesWithTheLiteralScan) {
  fixtures::RandomGbkBytes random(2014);
  for (int round = 0; round < 20000; ++round) {
    const std::string page = random.Text(round % 5 == 0 ? 1500 : 200);
    const std::string target1 = random.Below(6) == 0 ? std::string() : random.Sought(page);
    const std::string target2 = random.Below(3) == 0 ? std::string() : random.Sought(page);
    int hook_calls = 0;
    const PageScanResult fast = ScanResultPage(ByteText(page), ByteText(target1), ByteText(target2),
                                               [&hook_calls] { ++hook_calls; });
    const plain::PageScan literal = plain::ScanResultPage(page, target1, target2);
    const plain::PageScan got{fast.found, fast.position, fast.items_examined,
                              std::string(fast.picture_address.bytes()),
                              std::string(fast.price.bytes())};
    ASSERT_EQ(got, literal) << "round " << round << " page " << ::testing::PrintToString(page)
                            << " target1 " << ::testing::PrintToString(target1) << " target2 "
                            << ::testing::PrintToString(target2);
    ASSERT_EQ(hook_calls, fast.items_examined) << "round " << round;
  }
}

}  // namespace
}  // namespace taoci
