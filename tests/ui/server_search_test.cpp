// Whole searches through the real window and the real web fetch, against
// the loopback test server serving the generated pages and the picture.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/net/test_server.h"
#include "tests/ui/loopback_services.h"
#include "tests/ui/memory_marketplace.h"
#include "tests/ui/window_driver.h"

namespace taoci {
namespace {

using test::WindowUnderTest;
using enum ControlId;

void HideBrowserButtons(MainWindow& window) {
  window.SetControlVisible(按钮2, false);
  window.SetControlVisible(按钮3, false);
}

class ServerSearch : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server.available())
        << "no test server: run this program through tools/with_test_server.py (ctest does)";
  }

  // The request lines the server saw for `folder`'s pages and the picture.
  std::vector<std::string> RequestLines() const {
    std::vector<std::string> lines;
    for (const test::RecordedRequest& request : server.Requests()) {
      lines.push_back(request.RequestLine());
    }
    return lines;
  }

  test::TestServer server;
};

TEST_F(ServerSearch, FindsTheItemOnPage3AndFetchesNothingAfterIt) {
  const auto target = test::ReadDescription("found/target.txt");
  WindowUnderTest w(test::LoopbackServices(server, "found"), HideBrowserButtons);
  w.FillSearch("茶具", ByteText(target.at("target1")), ByteText(target.at("target2")));
  const std::size_t before = server.Requests().size();
  ASSERT_TRUE(w.SearchAndWait());

  EXPECT_EQ(w.Text(标签7), ByteText("第 3 页，第 7 个"));
  EXPECT_EQ(w.Text(标签12), ByteText(target.at("price")));
  EXPECT_TRUE(w.Visible(按钮2));
  EXPECT_TRUE(w.Visible(按钮3));
  EXPECT_EQ(w.window().progress_bar().position(), 4400);
  w.PrintClient(画板1);
  ASSERT_TRUE(w.window().picture_box().last_drawn().has_value());
  EXPECT_EQ(w.window().picture_box().last_drawn()->width, 208);

  std::vector<std::string> lines = RequestLines();
  lines.erase(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(before));
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "GET /found/page-001.html HTTP/1.0", "GET /found/page-002.html HTTP/1.0",
                       "GET /found/page-003.html HTTP/1.0", "GET /item.jpg HTTP/1.0"}));
}

TEST_F(ServerSearch, FindsNothingOnPagesWithoutTheItem) {
  const auto target = test::ReadDescription("absent/target.txt");
  WindowUnderTest w(test::LoopbackServices(server, "absent"), HideBrowserButtons);
  w.FillSearch("茶具", ByteText(target.at("target1")), ByteText(target.at("target2")));
  w.SetText(编辑框5, "2");
  ASSERT_TRUE(w.SearchAndWait());
  EXPECT_EQ(w.Text(标签7), ByteText("查无结果"));
  EXPECT_EQ(w.Text(标签12), ByteText("----"));
  EXPECT_FALSE(w.Visible(按钮2));
  EXPECT_EQ(w.window().progress_bar().position(), 88);
}

}  // namespace
}  // namespace taoci
