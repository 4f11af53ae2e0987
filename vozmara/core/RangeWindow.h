// The modal window 设置范围 that asks for number-entry mode's range: its
// design, and the handlers of its events.
#pragma once

#include "platform/ui/Controls.h"
#include "platform/ui/Design.h"
#include "vozmara/core/Platform.h"

namespace voz::core {

// Opens 设置范围 modally and returns once it is closed. The program
// implements it with RangeWindowDesign() and the handlers below.
class RangeDialog {
 public:
  virtual ~RangeDialog() = default;
  // True when 确定 stored a range, false when the title bar closed it.
  virtual bool Run() = 0;
};

// The window's own names live in a namespace of their own: the main window
// has an 编辑框1 too.
namespace range {

enum RangeControl : int {
  标签1 = 100,
  编辑框1,  // start (起点)
  编辑框2,  // end (终点)
  标签2,
  编辑框3,  // step (递增)
  按钮1,    // 确定
};

inline constexpr const char* kRangeWindowClass = "VozmaraRangeWindow";
inline constexpr const char* kMessageTitle = "温馨提示:";
inline constexpr const char* kStepNotPositiveText = "相邻数字递增值必须大于0，请重新输入！";
inline constexpr const char* kTooManyNumbersText = "这个范围的数字超过10000个，请缩小范围或加大递增值！";
inline constexpr const char* kNotSavedText = "数字范围保存失败，请检查参数.ini是否只读！";

const ui::WindowDesign& RangeWindowDesign();

// Created: the three boxes get the stored texts of 起点, 终点 and 递增 as
// they stand.
void RangeWindowCreated(ui::Controls& window, Settings& settings);

// 确定: puts the start and end boxes in order, then either refuses the
// range with a message (nothing is written, the window stays) or writes the
// three texts. True when the window should close. Closing from the title
// bar has no handler: it writes nothing.
bool RangeOkClicked(ui::Controls& window, Settings& settings, Dialogs& dialogs);

}  // namespace range

}  // namespace voz::core
