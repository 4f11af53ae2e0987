#include "vozmara/core/Operations.h"

#include "vozmara/core/ControlLifecycle.h"
#include "vozmara/core/MainWindowDesign.h"
#include "vozmara/core/WindowCommands.h"

namespace voz::core {

void RegisterMainWindowOperations(Operations& operations) {
  operations.Register(开始控制, StartControl);
  operations.Register(暂停控制, PauseControl);
  operations.Register(继续控制, ResumeControl);
  operations.Register(停止控制, StopControl);
  operations.Register(显示最前, ToggleTopMost);
  operations.Register(隐藏窗口, ToggleWindowVisibility);
  operations.Register(退出程序, EndProgram);
  operations.Register(声音训练, VoiceTraining);
  operations.Register(引擎下载, [](MainContext& c) { c.dialogs.OpenEngineDownload(false); });
}

}  // namespace voz::core
