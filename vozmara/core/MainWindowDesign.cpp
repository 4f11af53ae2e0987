#include "vozmara/core/MainWindowDesign.h"

namespace voz::core {

namespace {

using ui::ControlKind;
using ui::MenuDesign;

MenuDesign Item(int id, const char* caption, bool enabled = true) { return MenuDesign{id, caption, enabled}; }
MenuDesign Separator() { return MenuDesign{}; }
MenuDesign Popup(int id, const char* caption, std::vector<MenuDesign> children) {
  MenuDesign m{id, caption};
  m.children = std::move(children);
  return m;
}

ui::WindowDesign Build() {
  ui::WindowDesign d;
  d.className = kMainWindowClass;
  d.caption = "";
  d.width = 452;
  d.height = 368;

  // id, name, kind, container, x, y, width, height, text, visible, checked
  d.controls = {
      {图片框1, "图片框1", ControlKind::PictureBox, 0, 0, 0, 450, 250},
      {编辑框1, "编辑框1", ControlKind::MultiLineEdit, 0, 0, 0, 112, 240},
      {列表框1, "列表框1", ControlKind::ListBox, 图片框1, 112, 0, 112, 240},
      {透明标签2, "透明标签2", ControlKind::TransparentLabel, 图片框1, 24, 40, 304, 100, "Vozmara", true, false,
       true, "楷体_GB2312", 36},
      {分组框2, "分组框2", ControlKind::GroupBox, 0, 0, 240, 101, 36},
      {中文单选框, "中文单选框", ControlKind::RadioButton, 分组框2, 7, 14, 44, 16, "中文", true, true},
      {英文单选框, "英文单选框", ControlKind::RadioButton, 分组框2, 51, 10, 48, 20, "英文"},
      {分组框1, "分组框1", ControlKind::GroupBox, 0, 103, 240, 344, 36},
      {选择框1, "选择框1", ControlKind::CheckBox, 分组框1, 8, 10, 50, 20, "显示命令", true, true},
      {ＱＱ聊天选择框, "ＱＱ聊天选择框", ControlKind::CheckBox, 分组框1, 58, 10, 48, 20, "ＱＱ聊天"},
      {透明标签1, "透明标签1", ControlKind::TransparentLabel, 分组框1, 162, 8, 31, 26, "操作:\r\n模式:"},
      {语音打字单选框, "语音打字单选框", ControlKind::RadioButton, 分组框1, 193, 10, 48, 20, "语音打字"},
      {语音控制单选框, "语音控制单选框", ControlKind::RadioButton, 分组框1, 242, 10, 52, 20, "语音控制"},
      {混合模式单选框, "混合模式单选框", ControlKind::RadioButton, 分组框1, 294, 10, 48, 20, "混合模式", true,
       true},
      {专录数字选择框, "专录数字选择框", ControlKind::CheckBox, 0, 209, 250, 56, 20, "专录数字"},
      {状态条1, "状态条1", ControlKind::StatusBar, 0, 1, 274, 447, 26},
      {滑块条1, "滑块条1", ControlKind::Slider, 0, 382, 277, 67, 20},
      {时钟1, "时钟1", ControlKind::Timer, 图片框1},
      {超级链接框1, "超级链接框1", ControlKind::Hyperlink, 图片框1, 0, 0, 0, 0, "mailto:", false},
      {超级链接框2, "超级链接框2", ControlKind::Hyperlink, 0, 0, 0, 0, 0, "mailto:feedback@vozmara.cn", false},
      {超文本浏览框2, "超文本浏览框2", ControlKind::WebBrowser, 0, 0, 300, 448, 20, "", false},
  };
  for (auto& c : d.controls) {
    if (c.id == 状态条1) {
      c.numbers = {96, 230, 340, -1};
      c.items = {"Vozmara V9.0", "说出命令,动动嘴就行", "状态:没有控制", "音量"};
    } else if (c.id == 滑块条1) {
      c.numbers = {0, 10, 5, 1, 5};  // minimum, maximum, page step, line step, position
    }
  }

  d.menuBar = {
      Popup(语音控制菜单, "语音控制",
            {Item(开始控制, "开始控制"), Item(暂停控制, "暂停控制", false), Item(继续控制, "继续控制", false),
             Item(停止控制, "停止控制", false), Separator(), Item(显示最前, "显示最前"), Item(隐藏窗口, "隐藏窗口"),
             Item(退出程序, "退出程序")}),
      Popup(基本设置菜单, "基本设置",
            {Item(选择用户, "选择用户"), Item(声音训练, "声音训练"), Item(训练备份, "训练备份"),
             Item(编辑命令, "编辑命令"), Item(定义菜单, "定义菜单")}),
      Popup(附加功能菜单, "附加功能",
            {Item(屏幕截图, "屏幕截图"), Item(语音朗读, "语音朗读"), Item(人机对话, "人机对话"),
             Item(在线词典, "在线词典"), Separator(), Item(英汉互译, "英汉互译"), Item(在线新闻, "在线新闻"),
             Item(回顾今日, "回顾今日"), Item(开始录音, "开始录音"), Separator(), Item(万年双历, "万年双历"),
             Item(天气预报, "天气预报"), Item(七十二变, "七十二变"), Item(启动Shutora, "Shutora")}),
      Popup(我的菜单菜单, "我的菜单", {}),
      Popup(系统帮助菜单, "系统帮助",
            {Item(使用说明, "使用说明"),
             Popup(动画演示菜单, "动画演示",
                   {Item(下载解压, "下载解压"), Item(安装引擎, "安装引擎"), Item(软件设置, "软件设置"),
                    Item(添加命令, "添加命令"), Item(效果演示, "效果演示")}),
             Item(升级检测, "升级检测"), Item(引擎下载, "引擎下载"), Separator(), Item(官方网站, "官方网站"),
             Item(意见反馈, "意见反馈")}),
  };
  static const char* const kUserMenuCaptions[] = {"自定义一", "自定义二", "自定义三", "自定义四", "自定义五",
                                                  "自定义六", "自定义七", "自定义八", "自定义九", "自定义十"};
  for (int n = 0; n < 10; ++n) d.menuBar[3].children.push_back(Item(自定义一 + n, kUserMenuCaptions[n]));
  return d;
}

}  // namespace

const ui::WindowDesign& MainWindowDesign() {
  static const ui::WindowDesign design = Build();
  return design;
}

}  // namespace voz::core
