// Vozmara's main window: control and menu ids, and its design.
#pragma once

#include "platform/ui/Design.h"

namespace voz::core {

// Controls, by their design names.
enum MainControl : int {
  图片框1 = 100,
  编辑框1,          // EchoBox
  列表框1,          // CommandListBox
  透明标签2,
  分组框2,
  中文单选框,
  英文单选框,
  分组框1,
  选择框1,
  ＱＱ聊天选择框,
  透明标签1,
  语音打字单选框,
  语音控制单选框,
  混合模式单选框,
  专录数字选择框,
  状态条1,
  滑块条1,
  时钟1,
  超级链接框1,
  超级链接框2,
  超文本浏览框2,
};

inline constexpr int EchoBox = 编辑框1;
inline constexpr int CommandListBox = 列表框1;
inline constexpr int kStatusPartControl = 2;  // the status-bar part that holds ControlStatusText

// Menu commands, by their captions in the design.
enum MainMenu : int {
  开始控制 = 1000,
  暂停控制,
  继续控制,
  停止控制,
  显示最前,
  隐藏窗口,
  退出程序,
  选择用户,
  声音训练,
  训练备份,
  编辑命令,
  定义菜单,
  屏幕截图,
  语音朗读,
  人机对话,
  在线词典,
  英汉互译,
  在线新闻,
  回顾今日,
  开始录音,
  万年双历,
  天气预报,
  七十二变,
  启动Shutora,
  自定义一,  // 自定义一 … 自定义十 are consecutive
  自定义十 = 自定义一 + 9,
  使用说明,
  下载解压,
  安装引擎,
  软件设置,
  添加命令,
  效果演示,
  升级检测,
  引擎下载,
  官方网站,
  意见反馈,
};

// Pop-up menus without a command of their own, numbered so they can be found.
enum MainPopup : int {
  语音控制菜单 = 1900,
  基本设置菜单,
  附加功能菜单,
  我的菜单菜单,
  系统帮助菜单,
  动画演示菜单,
};

inline constexpr const char* kMainWindowClass = "VozmaraMainWindow";
inline constexpr const char* kProductName = "Vozmara V9.0";

const ui::WindowDesign& MainWindowDesign();

}  // namespace voz::core
