// The program entry. It reads no command line, environment or file: the
// endpoints are the ones it was built with.
#include <windows.h>
#include <commctrl.h>

#include <utility>

#include "net/web_fetch.h"
#include "taoci/build_config.h"
#include "text/text_ops.h"
#include "ui/captions.h"
#include "ui/desktop_services.h"
#include "ui/startup.h"
#include "ui/update_notice.h"

namespace {

taoci::CalendarDate LocalDate() {
  SYSTEMTIME now = {};
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay};
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);

  namespace config = taoci::config;
  taoci::ProgramSetup setup;
  setup.window.search.fetch = taoci::WebFetch;
  setup.window.search.today = LocalDate;
  setup.window.search.search_host = config::kSearchHost;
  setup.window.site_line = taoci::captions::SiteLine(config::kSiteAddress, config::kSiteName);
  setup.window.support_line = taoci::captions::SupportLine(config::kSupportGroup);
  setup.window.support_page = config::kSupportPage;
  setup.window.open_address = taoci::OpenAddress;
  setup.window.run_command_line = taoci::RunCommandLine;

  setup.notice.version_address =
      taoci::Concat({"http://", config::kMakerHost, "/zevlo/var.txt"});
  setup.notice.home_page = config::kHomePage;
  setup.notice.fetch = taoci::WebFetch;
  setup.notice.message_box = taoci::ShowTaskModalMessage;
  setup.notice.open_address = taoci::OpenAddress;

  return taoci::RunProgram(std::move(setup));
}
