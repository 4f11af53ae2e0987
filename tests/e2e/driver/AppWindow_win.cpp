#include <windows.h>

#include <commctrl.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/e2e/driver/AppWindow.h"
#include "tests/e2e/driver/Paths.h"
#include "tests/e2e/driver/RemoteBuffer.h"
#include "vozmara/core/RemoteProtocol.h"

namespace voz::e2e {

Hwnd AppWindow::Control(int id) const {
  auto known = controls_.find(id);
  if (known != controls_.end() && IsAlive(known->second)) return known->second;
  Hwnd found = FindDescendant(window_, id);
  if (found != nullptr) controls_[id] = found;
  return found;
}

bool AppWindow::TopMost() const { return (ExStyle(window_) & WS_EX_TOPMOST) != 0; }

void AppWindow::MoveTo(int left, int top) const {
  SetWindowPos(window_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string AppWindow::Text(int id) const {
  Hwnd control = Control(id);
  return control ? WindowText(control) : std::string();
}

bool AppWindow::Checked(int id) const {
  Hwnd control = Control(id);
  return control && Send(control, BM_GETCHECK, 0, 0).value_or(0) == BST_CHECKED;
}

bool AppWindow::Shown(int id) const {
  Hwnd control = Control(id);
  return control && IsShown(control);
}

bool AppWindow::Enabled(int id) const {
  Hwnd control = Control(id);
  return control && IsEnabled(control);
}

int AppWindow::ListCount(int id) const {
  Hwnd control = Control(id);
  return control ? static_cast<int>(Send(control, LB_GETCOUNT, 0, 0).value_or(-1)) : -1;
}

int AppWindow::ListSelection(int id) const {
  Hwnd control = Control(id);
  return control ? static_cast<int>(Send(control, LB_GETCURSEL, 0, 0).value_or(-1)) : -1;
}

std::string AppWindow::ListRow(int id, int row) const {
  Hwnd control = Control(id);
  if (!control) return {};
  const long long length = Send(control, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0).value_or(LB_ERR);
  if (length < 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const long long copied =
      Send(control, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.data())).value_or(LB_ERR);
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return Narrow(text);
}

std::vector<std::string> AppWindow::ListRows(int id) const {
  std::vector<std::string> rows;
  const int count = ListCount(id);
  for (int row = 0; row < count; ++row) rows.push_back(ListRow(id, row));
  return rows;
}

std::vector<std::string> AppWindow::StatusParts(int id) const {
  std::vector<std::string> parts;
  Hwnd control = Control(id);
  if (!control) return parts;
  const int count = static_cast<int>(Send(control, SB_GETPARTS, 0, 0).value_or(0));
  for (int part = 0; part < count; ++part) parts.push_back(StatusPart(id, part));
  return parts;
}

std::string AppWindow::StatusPart(int id, int part) const {
  Hwnd control = Control(id);
  if (!control) return {};
  const long long length = LOWORD(Send(control, SB_GETTEXTLENGTHW, static_cast<WPARAM>(part), 0).value_or(0));
  // The text goes into memory of the program's own; Windows does not marshal it.
  RemoteBuffer buffer(pid_, (static_cast<size_t>(length) + 1) * sizeof(wchar_t));
  if (!buffer.Valid()) return {};
  if (!Send(control, SB_GETTEXTW, static_cast<WPARAM>(part), buffer.Address())) return {};
  return Narrow(buffer.ReadText());
}

int AppWindow::SliderPosition(int id) const {
  Hwnd control = Control(id);
  return control ? static_cast<int>(Send(control, TBM_GETPOS, 0, 0).value_or(-1)) : -1;
}

bool AppWindow::DragSlider(int id, int position) const {
  Hwnd control = Control(id);
  if (!control) return false;
  if (!Send(control, TBM_SETPOS, TRUE, position)) return false;
  const WPARAM code = MAKEWPARAM(TB_THUMBPOSITION, position);
  const LPARAM from = reinterpret_cast<LPARAM>(control);
  return Send(Parent(control), WM_HSCROLL, code, from).has_value() &&
         Send(Parent(control), WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), from).has_value();
}

bool AppWindow::Click(int id) const {
  Hwnd control = Control(id);
  return control && Post(control, BM_CLICK, 0, 0);
}

bool AppWindow::Command(int menuId) const { return Post(window_, WM_COMMAND, MAKEWPARAM(menuId, 0), 0); }

std::optional<MenuTree> AppWindow::Menus(const std::wstring& reportFile, std::string* error) const {
  DeleteFileW(reportFile.c_str());
  COPYDATASTRUCT data{};
  data.dwData = core::kCopyDataReportMenus;
  data.cbData = static_cast<DWORD>(reportFile.size() * sizeof(wchar_t));
  data.lpData = const_cast<wchar_t*>(reportFile.data());
  const auto reply = Send(window_, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
  if (reply.value_or(0) != 1) {
    if (error) *error = reply ? "the program refused the menu report" : "the program did not answer";
    return std::nullopt;
  }
  std::ifstream in(std::filesystem::path(reportFile), std::ios::binary);
  const std::string report((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return ParseMenuReport(report, error);
}

}  // namespace voz::e2e
