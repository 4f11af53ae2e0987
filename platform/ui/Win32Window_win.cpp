#include "platform/ui/Win32Window.h"

#include <commctrl.h>

#include "platform/text/Encoding.h"

namespace voz::ui {

std::wstring Wide(std::string_view utf8) {
  const std::u16string u16 = text::Utf8ToUtf16(utf8);
  return std::wstring(u16.begin(), u16.end());
}

std::string Narrow(std::wstring_view utf16) {
  return text::Utf16ToUtf8(std::u16string(utf16.begin(), utf16.end()));
}

namespace {

std::string WindowText(HWND hwnd) {
  if (!hwnd) return {};
  const int length = GetWindowTextLengthW(hwnd);
  std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
  const int got = GetWindowTextW(hwnd, buffer.data(), length + 1);
  buffer.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return Narrow(buffer);
}

// Kinds that other controls sit on: created first and kept at the bottom.
bool IsContainer(ControlKind kind) { return kind == ControlKind::PictureBox || kind == ControlKind::GroupBox; }

// Kinds that are not windows of their own.
bool IsWindowless(ControlKind kind) {
  return kind == ControlKind::Timer || kind == ControlKind::Hyperlink || kind == ControlKind::PictureBox;
}

}  // namespace

Win32Window::Win32Window(const WindowDesign& design) : design_(design) {
  // The menu model starts as designed.
  std::vector<const std::vector<MenuDesign>*> pending{&design.menuBar};
  while (!pending.empty()) {
    const auto* items = pending.back();
    pending.pop_back();
    for (const auto& item : *items) {
      if (item.id != 0) menus_[item.id] = MenuState{item.caption, item.enabled, item.checked, item.visible};
      pending.push_back(&item.children);
    }
  }
  for (const auto& c : design.controls) {
    if (c.kind == ControlKind::Hyperlink) links_[c.id] = c.text;
  }
}

Win32Window::~Win32Window() {
  if (hwnd_) DestroyWindow(hwnd_);
  if (font_) DeleteObject(font_);
  for (auto& [id, font] : ownFonts_) DeleteObject(font);
}

int Win32Window::Scale(int length) const { return MulDiv(length, dpi_, 96); }

bool Win32Window::Create(HINSTANCE instance, WNDPROC procedure, void* userData, HICON icon) {
  const std::wstring className = Wide(design_.className);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  if (!GetClassInfoExW(instance, className.c_str(), &wc)) {
    wc = WNDCLASSEXW{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hIconSm = icon;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className.c_str();
    if (!RegisterClassExW(&wc)) return false;
  }

  HDC screen = GetDC(nullptr);
  dpi_ = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  if (dpi_ <= 0) dpi_ = 96;

  // The designs are laid out for 9-point 宋体 (12 pixels at 96 dpi); the system substitutes its
  // own Chinese face where 宋体 is missing.
  LOGFONTW face{};
  face.lfHeight = -MulDiv(9, dpi_, 72);
  face.lfWeight = FW_NORMAL;
  face.lfCharSet = GB2312_CHARSET;
  face.lfQuality = CLEARTYPE_QUALITY;
  lstrcpynW(face.lfFaceName, L"宋体", LF_FACESIZE);
  font_ = CreateFontIndirectW(&face);

  menuBar_ = BuildMenu(design_.menuBar, false);
  hwnd_ = CreateWindowExW(0, className.c_str(), Wide(design_.caption).c_str(),
                          WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                          CW_USEDEFAULT, CW_USEDEFAULT,
                          Scale(design_.width), Scale(design_.height), nullptr, menuBar_, instance, userData);
  if (!hwnd_) return false;

  for (const auto& c : design_.controls) {
    if (IsContainer(c.kind)) CreateControl(c);
  }
  for (const auto& c : design_.controls) {
    if (!IsContainer(c.kind)) CreateControl(c);
  }
  // New children go below their older siblings, so the design's order is the z-order and the tab
  // order, which radio-button groups follow. What others sit on goes under them: transparent labels
  // (part of the background), then status bars, then the containers.
  for (ControlKind under : {ControlKind::TransparentLabel, ControlKind::StatusBar, ControlKind::GroupBox}) {
    for (const auto& c : design_.controls) {
      if (HWND control = c.kind == under ? Control(c.id) : nullptr) {
        SetWindowPos(control, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      }
    }
  }
  return true;
}

POINT Win32Window::Origin(const ControlDesign& c) const {
  POINT p{c.x, c.y};
  for (const ControlDesign* parent = design_.Find(c.container); parent; parent = design_.Find(parent->container)) {
    p.x += parent->x;
    p.y += parent->y;
  }
  return p;
}

void Win32Window::CreateControl(const ControlDesign& c) {
  if (IsWindowless(c.kind)) return;
  const wchar_t* cls = L"STATIC";
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
  DWORD exStyle = 0;
  switch (c.kind) {
    case ControlKind::Edit:
      cls = L"EDIT";
      style |= WS_TABSTOP | ES_AUTOHSCROLL;
      exStyle = WS_EX_CLIENTEDGE;
      break;
    case ControlKind::MultiLineEdit:
    case ControlKind::ReadOnlyEdit:
      cls = L"EDIT";
      style |= WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL;
      if (c.kind == ControlKind::ReadOnlyEdit) style |= ES_READONLY;
      exStyle = WS_EX_CLIENTEDGE;
      break;
    case ControlKind::ListBox:
      cls = L"LISTBOX";
      style |= WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
      exStyle = WS_EX_CLIENTEDGE;
      break;
    case ControlKind::Label:
    case ControlKind::TransparentLabel:
      style |= SS_LEFT | SS_NOPREFIX;
      break;
    case ControlKind::GroupBox:
      cls = L"BUTTON";
      style |= BS_GROUPBOX | WS_GROUP;
      break;
    case ControlKind::RadioButton:
      cls = L"BUTTON";
      style |= BS_AUTORADIOBUTTON | WS_TABSTOP;
      break;
    case ControlKind::CheckBox:
      cls = L"BUTTON";
      style |= BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP;
      break;
    case ControlKind::Button:
      cls = L"BUTTON";
      style |= BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP;
      break;
    case ControlKind::StatusBar:
      cls = STATUSCLASSNAMEW;
      style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
      break;
    case ControlKind::Slider:
      cls = TRACKBAR_CLASSW;
      style |= TBS_HORZ | TBS_NOTICKS | WS_TABSTOP | WS_GROUP;
      break;
    case ControlKind::ComboBox:
      cls = L"COMBOBOX";
      style |= CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP;
      break;
    case ControlKind::WebBrowser:
      style |= SS_WHITERECT;  // the page host; the web view attaches to it
      break;
    default:
      break;
  }
  if (c.kind == ControlKind::RadioButton) {
    // The first radio button of a run starts a group.
    const ControlDesign* previous = nullptr;
    for (const auto& other : design_.controls) {
      if (&other == &c) break;
      if (!IsWindowless(other.kind) && !IsContainer(other.kind)) previous = &other;
    }
    if (!previous || previous->kind != ControlKind::RadioButton || previous->container != c.container) {
      style |= WS_GROUP;
    }
  }
  if (c.visible) style |= WS_VISIBLE;
  if (!c.enabled) style |= WS_DISABLED;

  const POINT origin = Origin(c);
  int width = c.width, height = c.height;
  if (width == 0) width = 60;
  if (height == 0) height = 20;
  HWND control = CreateWindowExW(exStyle, cls, Wide(c.text).c_str(), style, Scale(origin.x), Scale(origin.y),
                                 Scale(width), Scale(height), hwnd_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)),
                                 reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd_, GWLP_HINSTANCE)), nullptr);
  if (!control) return;

  HFONT font = font_;
  if (!c.font.empty() || c.fontSize != 0) {
    LOGFONTW lf{};
    if (font_) GetObjectW(font_, sizeof lf, &lf);
    if (c.fontSize != 0) lf.lfHeight = -MulDiv(c.fontSize, dpi_, 72);
    if (!c.font.empty()) {
      const std::wstring face = Wide(c.font);
      lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
      lf.lfCharSet = GB2312_CHARSET;
    }
    font = CreateFontIndirectW(&lf);
    ownFonts_[c.id] = font;
  }
  if (font) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

  switch (c.kind) {
    case ControlKind::RadioButton:
    case ControlKind::CheckBox:
      SendMessageW(control, BM_SETCHECK, c.checked ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
    case ControlKind::StatusBar: {
      std::vector<int> edges;
      for (int edge : c.numbers) edges.push_back(edge < 0 ? -1 : Scale(edge));
      SendMessageW(control, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
      for (size_t part = 0; part < c.items.size(); ++part) {
        SendMessageW(control, SB_SETTEXTW, part, reinterpret_cast<LPARAM>(Wide(c.items[part]).c_str()));
      }
      break;
    }
    case ControlKind::Slider:
      if (c.numbers.size() >= 5) {
        SendMessageW(control, TBM_SETRANGE, TRUE, MAKELPARAM(c.numbers[0], c.numbers[1]));
        SendMessageW(control, TBM_SETPAGESIZE, 0, c.numbers[2]);
        SendMessageW(control, TBM_SETLINESIZE, 0, c.numbers[3]);
        SendMessageW(control, TBM_SETPOS, TRUE, c.numbers[4]);
      }
      break;
    case ControlKind::ComboBox:
      for (const auto& item : c.items) SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
      break;
    case ControlKind::ListBox:
      for (const auto& item : c.items) SendMessageW(control, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
      break;
    default:
      break;
  }
}

HWND Win32Window::Control(int id) const { return hwnd_ ? GetDlgItem(hwnd_, id) : nullptr; }

HMENU Win32Window::FirstPopup() const { return menuBar_ ? GetSubMenu(menuBar_, 0) : nullptr; }

HMENU Win32Window::BuildMenu(const std::vector<MenuDesign>& items, bool popup) {
  HMENU menu = popup ? CreatePopupMenu() : CreateMenu();
  for (const auto& item : items) {
    if (item.IsSeparator()) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    if (!item.children.empty()) {
      HMENU sub = BuildMenu(item.children, true);
      AppendMenuW(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub), Wide(item.caption).c_str());
      continue;
    }
    const MenuState& state = menus_[item.id];
    if (!state.visible) continue;
    UINT flags = MF_STRING;
    if (!state.enabled) flags |= MF_GRAYED;
    if (state.checked) flags |= MF_CHECKED;
    AppendMenuW(menu, flags, static_cast<UINT_PTR>(item.id), Wide(state.caption).c_str());
  }
  return menu;
}

void Win32Window::RebuildMenuBar() {
  HMENU old = menuBar_;
  menuBar_ = BuildMenu(design_.menuBar, false);
  if (hwnd_) {
    SetMenu(hwnd_, menuBar_);
    DrawMenuBar(hwnd_);
  }
  if (old) DestroyMenu(old);
}

void Win32Window::DescribeMenu(HMENU menu, int depth, std::string& out) const {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    wchar_t caption[256] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = caption;
    info.cch = 255;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
    std::string flags;
    if (info.fType & MFT_SEPARATOR) flags += 'S';
    if (info.hSubMenu) flags += 'P';
    if (info.fState & MFS_GRAYED) flags += 'G';
    if (info.fState & MFS_CHECKED) flags += 'C';
    out += std::to_string(depth) + "\t" + std::to_string(info.hSubMenu ? 0 : info.wID) + "\t" + Narrow(caption) +
           "\t" + flags + "\n";
    if (info.hSubMenu) DescribeMenu(info.hSubMenu, depth + 1, out);
  }
}

std::string Win32Window::DescribeMenus() const {
  std::string out;
  if (menuBar_) DescribeMenu(menuBar_, 0, out);
  return out;
}

bool Win32Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_ERASEBKGND) {
    HDC dc = reinterpret_cast<HDC>(wParam);
    RECT r{};
    GetClientRect(hwnd_, &r);
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    if (paintBackground) paintBackground(dc);
    result = 1;
    return true;
  }
  if (message == WM_CTLCOLORSTATIC) {
    HWND label = reinterpret_cast<HWND>(lParam);
    const ControlDesign* c = design_.Find(GetDlgCtrlID(label));
    if (c && c->kind == ControlKind::TransparentLabel) {
      // The window clips its children, so the label draws the background under itself first.
      HDC dc = reinterpret_cast<HDC>(wParam);
      RECT r{};
      GetWindowRect(label, &r);
      MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
      POINT old{};
      SetViewportOrgEx(dc, -r.left, -r.top, &old);
      RECT client{};
      GetClientRect(hwnd_, &client);
      FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
      if (paintBackground) paintBackground(dc);
      SetViewportOrgEx(dc, old.x, old.y, nullptr);
      SetBkMode(dc, TRANSPARENT);
      result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
      return true;
    }
  }
  return false;
}

std::string Win32Window::Text(int id) const {
  if (id == 0) return WindowText(hwnd_);
  if (auto link = links_.find(id); link != links_.end()) return link->second;
  return WindowText(Control(id));
}

void Win32Window::SetText(int id, std::string_view text) {
  if (auto link = links_.find(id); link != links_.end()) {
    link->second = std::string(text);
    return;
  }
  SetWindowTextW(id == 0 ? hwnd_ : Control(id), Wide(text).c_str());
}

void Win32Window::AppendText(int id, std::string_view text) {
  HWND edit = Control(id);
  const LRESULT length = SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0);
  SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(length), length);
  SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(Wide(text).c_str()));
}

bool Win32Window::Checked(int id) const { return SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void Win32Window::SetChecked(int id, bool checked) {
  SendMessageW(Control(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Win32Window::Visible(int id) const {
  if (id == 0) return IsWindowVisible(hwnd_) != 0;
  return (GetWindowLongW(Control(id), GWL_STYLE) & WS_VISIBLE) != 0;
}

void Win32Window::SetVisible(int id, bool visible) {
  ShowWindow(id == 0 ? hwnd_ : Control(id), visible ? SW_SHOW : SW_HIDE);
}

bool Win32Window::Enabled(int id) const { return IsWindowEnabled(Control(id)) != 0; }
void Win32Window::SetEnabled(int id, bool enabled) { EnableWindow(Control(id), enabled); }
bool Win32Window::HasFocus(int id) const { return GetFocus() != nullptr && GetFocus() == Control(id); }

void Win32Window::ClearList(int id) { SendMessageW(Control(id), LB_RESETCONTENT, 0, 0); }

void Win32Window::AddListItem(int id, std::string_view text) {
  SendMessageW(Control(id), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(text).c_str()));
}

int Win32Window::ListCount(int id) const { return static_cast<int>(SendMessageW(Control(id), LB_GETCOUNT, 0, 0)); }

std::string Win32Window::ListItem(int id, int index) const {
  HWND list = Control(id);
  const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == LB_ERR) return {};
  std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
  buffer.resize(static_cast<size_t>(length));
  return Narrow(buffer);
}

int Win32Window::ListSelection(int id) const {
  const LRESULT selection = SendMessageW(Control(id), LB_GETCURSEL, 0, 0);
  return selection == LB_ERR ? -1 : static_cast<int>(selection);
}

void Win32Window::SetListSelection(int id, int index) {
  SendMessageW(Control(id), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int Win32Window::SliderPosition(int id) const { return static_cast<int>(SendMessageW(Control(id), TBM_GETPOS, 0, 0)); }
void Win32Window::SetSliderPosition(int id, int position) { SendMessageW(Control(id), TBM_SETPOS, TRUE, position); }
int Win32Window::SliderMaximum(int id) const {
  return static_cast<int>(SendMessageW(Control(id), TBM_GETRANGEMAX, 0, 0));
}

std::string Win32Window::StatusText(int id, int part) const {
  HWND bar = Control(id);
  const LRESULT info = SendMessageW(bar, SB_GETTEXTLENGTHW, static_cast<WPARAM>(part), 0);
  std::wstring buffer(static_cast<size_t>(LOWORD(info)) + 1, L'\0');
  SendMessageW(bar, SB_GETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(buffer.data()));
  buffer.resize(LOWORD(info));
  return Narrow(buffer);
}

void Win32Window::SetStatusText(int id, int part, std::string_view text) {
  SendMessageW(Control(id), SB_SETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(Wide(text).c_str()));
}

int Win32Window::TimerInterval(int id) const {
  const auto it = timers_.find(id);
  return it == timers_.end() ? 0 : it->second;
}

void Win32Window::SetTimerInterval(int id, int milliseconds) {
  KillTimer(hwnd_, static_cast<UINT_PTR>(id));
  timers_[id] = milliseconds > 0 ? milliseconds : 0;
  if (milliseconds > 0) SetTimer(hwnd_, static_cast<UINT_PTR>(id), static_cast<UINT>(milliseconds), nullptr);
}

std::string Win32Window::MenuCaption(int id) const {
  const auto it = menus_.find(id);
  return it == menus_.end() ? std::string() : it->second.caption;
}

void Win32Window::SetMenuCaption(int id, std::string_view caption) {
  menus_[id].caption = std::string(caption);
  const std::wstring wide = Wide(caption);
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING;
  info.dwTypeData = const_cast<wchar_t*>(wide.c_str());
  SetMenuItemInfoW(menuBar_, static_cast<UINT>(id), FALSE, &info);
  DrawMenuBar(hwnd_);
}

bool Win32Window::MenuEnabled(int id) const {
  const auto it = menus_.find(id);
  return it != menus_.end() && it->second.enabled;
}

void Win32Window::SetMenuEnabled(int id, bool enabled) {
  menus_[id].enabled = enabled;
  EnableMenuItem(menuBar_, static_cast<UINT>(id), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

bool Win32Window::MenuChecked(int id) const {
  const auto it = menus_.find(id);
  return it != menus_.end() && it->second.checked;
}

void Win32Window::SetMenuChecked(int id, bool checked) {
  menus_[id].checked = checked;
  CheckMenuItem(menuBar_, static_cast<UINT>(id), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool Win32Window::MenuVisible(int id) const {
  const auto it = menus_.find(id);
  return it != menus_.end() && it->second.visible;
}

void Win32Window::SetMenuVisible(int id, bool visible) {
  if (menus_[id].visible == visible) return;
  menus_[id].visible = visible;
  if (!visible) {
    // Hiding is removing the entry; the model keeps it for showing it again.
    DeleteMenu(menuBar_, static_cast<UINT>(id), MF_BYCOMMAND);
    DrawMenuBar(hwnd_);
    return;
  }
  // Win32 menus cannot insert an entry by command id: build them anew from the model.
  RebuildMenuBar();
}

Controls::Point Win32Window::Position() const {
  RECT r{};
  GetWindowRect(hwnd_, &r);
  return {r.left, r.top};
}

void Win32Window::MoveTo(Point topLeft) {
  SetWindowPos(hwnd_, nullptr, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Window::SetHeight(int height) {
  RECT r{};
  GetWindowRect(hwnd_, &r);
  SetWindowPos(hwnd_, nullptr, 0, 0, r.right - r.left, Scale(height), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Win32Window::TopMost() const { return (GetWindowLongW(hwnd_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

void Win32Window::SetTopMost(bool topMost) {
  SetWindowPos(hwnd_, topMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace voz::ui
