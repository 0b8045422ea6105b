// The header dialog as the operator meets it on Windows: a helper thread
// finds the dialog of this process, reads and fills its controls and
// presses a button, while the test thread waits in the modal loop.

#include "platform/win32/header_dialog.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "resources/resource.h"

namespace velmora {
namespace {

BOOL CALLBACK findHeaderDialog(HWND window, LPARAM result) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  char className[16] = {};
  char caption[16] = {};
  GetClassNameA(window, className, sizeof className);
  GetWindowTextA(window, caption, sizeof caption);
  if (process == GetCurrentProcessId() && IsWindowVisible(window) &&
      std::string(className) == "#32770" && std::string(caption) == "Velmora") {
    *reinterpret_cast<HWND*>(result) = window;
    return FALSE;
  }
  return TRUE;
}

std::string textOf(HWND dialog, int id) {
  char buffer[1024] = {};
  GetDlgItemTextA(dialog, id, buffer, sizeof buffer);
  return buffer;
}

std::vector<std::string> comboItems(HWND dialog, int id) {
  std::vector<std::string> items;
  const auto count = SendDlgItemMessageA(dialog, id, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    char buffer[64] = {};
    SendDlgItemMessageA(dialog, id, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(buffer));
    items.emplace_back(buffer);
  }
  return items;
}

// Saves the screen with the open dialog as a PNG (best effort): the Linux
// command writes a temporary name and renames it, and the test polls for it.
void saveScreenshot(const std::string& file) {
  std::string command = "/bin/sh -c \"mkdir -p $(dirname '" + file + "') && import -window root '" +
                        file + ".tmp.png' && mv '" + file + ".tmp.png' '" + file + "'\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const std::string seenFromWindows = "Z:" + file;  // Wine's drive for the Linux root
  DeleteFileA(seenFromWindows.c_str());
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return;
  }
  for (int i = 0; i < 100 && GetFileAttributesA(seenFromWindows.c_str()) == INVALID_FILE_ATTRIBUTES;
       ++i) {
    Sleep(100);
  }
}

class HeaderDialogTest : public ::testing::Test {
 protected:
  HeaderFields fields;

  void SetUp() override {
    fields.callSign = "F6BBB";
    fields.claimed = "1234";
    fields.contest = "Velmora";
    fields.category = "so4";   // the first listed item beginning so, letter case ignored
    fields.power = "QRP";      // not listed: shown as it is
    fields.operators = "F6BBB";
    fields.address = "Rue A\r\nParis";
  }

  // Runs the dialog while `operate` acts on it from a helper thread.
  bool runWith(const std::function<void(HWND)>& operate) {
    std::thread helper([&] {
      HWND dialog = nullptr;
      for (int i = 0; i < 500 && dialog == nullptr; ++i) {
        EnumWindows(findHeaderDialog, reinterpret_cast<LPARAM>(&dialog));
        if (dialog == nullptr) Sleep(10);
      }
      if (dialog == nullptr) return;  // the modal call below then never ends: the test times out
      operate(dialog);
    });
    const bool ok = runHeaderDialog(GetModuleHandleA(nullptr), nullptr, fields);
    helper.join();
    return ok;
  }
};

TEST_F(HeaderDialogTest, ShowsEveryControlWithItsFieldAndTheListedItems) {
  std::vector<std::string> category, power;
  std::string shown[12];
  LONG addressStyle = 0, nameStyle = 0;
  const bool ok = runWith([&](HWND dialog) {
    category = comboItems(dialog, IDC_CATEGORY);
    power = comboItems(dialog, IDC_POWER);
    const int ids[] = {IDC_CALLSIGN, IDC_CLAIMED, IDC_CLUB, IDC_CATEGORY, IDC_CONTEST, IDC_EMAIL,
                       IDC_NAME, IDC_OPERATORS, IDC_SOAPBOX, IDC_ADDRESS, IDC_POWER, IDOK};
    for (int i = 0; i < 12; ++i) shown[i] = textOf(dialog, ids[i]);
    addressStyle = GetWindowLongA(GetDlgItem(dialog, IDC_ADDRESS), GWL_STYLE);
    nameStyle = GetWindowLongA(GetDlgItem(dialog, IDC_NAME), GWL_STYLE);
    saveScreenshot(VELMORA_SCREENSHOT_FILE);
    SendMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
  });
  EXPECT_FALSE(ok);
  EXPECT_EQ(category, (std::vector<std::string>{"SOAB", "SO80", "SO40", "SO20", "SO15", "SO10", "MOAB"}));
  EXPECT_EQ(power, (std::vector<std::string>{"DX", "5 watt", "100 watt", "over 100 watt"}));
  EXPECT_EQ(shown[0], "F6BBB");
  EXPECT_EQ(shown[1], "1234");
  EXPECT_EQ(shown[3], "SO40");
  EXPECT_EQ(shown[4], "Velmora");
  EXPECT_EQ(shown[9], "Rue A\r\nParis");
  EXPECT_EQ(shown[10], "QRP");
  EXPECT_EQ(shown[11], "OK");
  EXPECT_TRUE(addressStyle & ES_MULTILINE);
  EXPECT_TRUE(addressStyle & ES_WANTRETURN);
  EXPECT_TRUE(addressStyle & WS_VSCROLL);
  EXPECT_FALSE(nameStyle & ES_MULTILINE);
  EXPECT_TRUE(nameStyle & ES_AUTOHSCROLL);
}

TEST_F(HeaderDialogTest, OkTakesEveryControlsText) {
  const bool ok = runWith([](HWND dialog) {
    SetDlgItemTextA(dialog, IDC_NAME, "Jean");
    SetDlgItemTextA(dialog, IDC_ADDRESS, "Main Street\r\nSpringfield");
    SetDlgItemTextA(dialog, IDC_CALLSIGN, "TM6X");
    SetDlgItemTextA(dialog, IDC_CLAIMED, "99");
    SendDlgItemMessageA(dialog, IDC_POWER, CB_SETCURSEL, 2, 0);
    SetDlgItemTextA(dialog, IDC_CATEGORY, "SO80");
    SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
  });
  EXPECT_TRUE(ok);
  EXPECT_EQ(fields.name, "Jean");
  EXPECT_EQ(fields.address, "Main Street\r\nSpringfield");
  EXPECT_EQ(fields.callSign, "TM6X");
  EXPECT_EQ(fields.claimed, "99");
  EXPECT_EQ(fields.power, "100 watt");
  EXPECT_EQ(fields.category, "SO80");
  EXPECT_EQ(fields.operators, "F6BBB");
}

TEST_F(HeaderDialogTest, CancelAndClosingExchangeNothing) {
  for (UINT how : {0u, 1u}) {
    const bool ok = runWith([how](HWND dialog) {
      SetDlgItemTextA(dialog, IDC_NAME, "Jean");
      if (how == 0) SendMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
      else PostMessageA(dialog, WM_CLOSE, 0, 0);
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(fields.name, "");
    EXPECT_EQ(fields.category, "so4");
  }
}

}  // namespace
}  // namespace velmora
