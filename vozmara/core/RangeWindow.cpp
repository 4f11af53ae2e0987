#include "vozmara/core/RangeWindow.h"

#include <string>
#include <utility>

#include "platform/ini/IniValues.h"
#include "vozmara/core/NumberEntry.h"

namespace voz::core::range {

namespace {

using ui::ControlKind;

ui::WindowDesign Build() {
  ui::WindowDesign d;
  d.className = kRangeWindowClass;
  d.caption = "设置范围";
  d.width = 338;
  d.height = 125;

  // The start and end boxes sit in the blank run of 标签1's text, so the
  // labels use SimSun, whose widths are fixed (a Chinese character 12
  // pixels at 9 points, a space 6), and come last: the first control
  // created lies on top, and the boxes must cover the label. The order also
  // makes the tab order start, end, step, 确定.
  // id, name, kind, container, x, y, width, height, text, visible, checked, enabled, font, size
  d.controls = {
      {编辑框1, "编辑框1", ControlKind::Edit, 0, 122, 13, 66, 20},
      {编辑框2, "编辑框2", ControlKind::Edit, 0, 218, 13, 92, 20},
      {编辑框3, "编辑框3", ControlKind::Edit, 0, 122, 48, 66, 20},
      {按钮1, "按钮1", ControlKind::Button, 0, 240, 46, 70, 24, "确定"},
      {标签1, "标签1", ControlKind::Label, 0, 12, 15, 206, 16, "录入数字的范围从：            到：", true, false,
       true, "SimSun", 9},
      {标签2, "标签2", ControlKind::Label, 0, 12, 50, 108, 16, "相邻数字递增值为:", true, false, true, "SimSun",
       9},
  };
  return d;
}

bool WriteRange(Settings& settings, const std::string& start, const std::string& end, const std::string& step) {
  // All three are tried: a failure of one should not leave the others unwritten.
  const bool a = settings.Write(kRangeSection, kRangeStartKey, start);
  const bool b = settings.Write(kRangeSection, kRangeEndKey, end);
  const bool c = settings.Write(kRangeSection, kRangeStepKey, step);
  return a && b && c;
}

}  // namespace

const ui::WindowDesign& RangeWindowDesign() {
  static const ui::WindowDesign design = Build();
  return design;
}

void RangeWindowCreated(ui::Controls& window, Settings& settings) {
  window.SetText(编辑框1, settings.Read(kRangeSection, kRangeStartKey));
  window.SetText(编辑框2, settings.Read(kRangeSection, kRangeEndKey));
  window.SetText(编辑框3, settings.Read(kRangeSection, kRangeStepKey));
}

bool RangeOkClicked(ui::Controls& window, Settings& settings, Dialogs& dialogs) {
  std::string start = window.Text(编辑框1);
  std::string end = window.Text(编辑框2);
  if (ini::IniTextToNumber(start) - ini::IniTextToNumber(end) > kNumberTolerance) {
    std::swap(start, end);
    window.SetText(编辑框1, start);
    window.SetText(编辑框2, end);
  }
  const std::string step = window.Text(编辑框3);

  const NumberRange range{ini::IniTextToNumber(start), ini::IniTextToNumber(end), ini::IniTextToNumber(step)};
  switch (CheckRange(range)) {
    case RangeCheck::StepNotPositive:
      dialogs.Message(kStepNotPositiveText, kMessageTitle, MessageIcon::Information);
      return false;
    case RangeCheck::TooManyNumbers:
      dialogs.Message(kTooManyNumbersText, kMessageTitle, MessageIcon::Information);
      return false;
    case RangeCheck::Usable:
      break;
  }
  // A file that cannot be written (read-only, folder gone) keeps the range
  // stored before; say so rather than let an unexpected list appear.
  if (!WriteRange(settings, start, end, step)) {
    dialogs.Message(kNotSavedText, kMessageTitle, MessageIcon::Information);
  }
  return true;
}

}  // namespace voz::core::range
