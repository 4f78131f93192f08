// What the system is told while a reminder holds the computer awake: one system-required
// request, its reason what is set, replaced when that changes, cleared and closed at the end.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "system/windows/windows_awake_hold.h"

namespace reminder {
namespace {

// The calls as "create <reason>", "set 1 system required", "clear 1", "close 1"; the requests
// are numbered from 1.
std::vector<std::string> calls;
std::uintptr_t requests = 0;

std::string number(HANDLE request) {
  return std::to_string(reinterpret_cast<std::uintptr_t>(request));
}

const PowerRequestCalls kRecorded{
    [](PREASON_CONTEXT context) -> HANDLE {
      const std::wstring reason = context->Reason.SimpleReasonString;
      calls.push_back("create " + std::string(reason.begin(), reason.end()));
      return reinterpret_cast<HANDLE>(++requests);
    },
    [](HANDLE request, POWER_REQUEST_TYPE type) -> BOOL {
      calls.push_back("set " + number(request) +
                      (type == PowerRequestSystemRequired ? " system required" : " other"));
      return TRUE;
    },
    [](HANDLE request, POWER_REQUEST_TYPE) -> BOOL {
      calls.push_back("clear " + number(request));
      return TRUE;
    },
    [](HANDLE request) -> BOOL {
      calls.push_back("close " + number(request));
      return TRUE;
    }};

TEST(WindowsAwakeHoldTest, OneSystemRequiredRequestForWhatIsSetReplacedAndEndedInTurn) {
  {
    WindowsAwakeHold hold(kRecorded);
    hold.hold("Time Set to 5 Minute");
    hold.hold("Time Set to 5 Minute");
    hold.hold("Time Set to 5 Minute, Alarm at 11:00:00 PM");
    hold.release();
    hold.release();
    hold.hold("Alarm at 11:00:00 PM");
  }
  EXPECT_EQ(calls, (std::vector<std::string>{"create Time Set to 5 Minute", "set 1 system required",
                                             "create Time Set to 5 Minute, Alarm at 11:00:00 PM",
                                             "set 2 system required", "clear 1", "close 1",
                                             "clear 2", "close 2", "create Alarm at 11:00:00 PM",
                                             "set 3 system required", "clear 3", "close 3"}));
}

}  // namespace
}  // namespace reminder
