#include "vozmara/tools/EngineDownloadWindow.h"

namespace voz::tools {

namespace {

// The download hosts, chosen for the installation. Only the paths and
// queries below belong to the pages themselves.
constexpr const char* kVendorHost = "http://download.microsoft.com";  // the speech engine's maker
constexpr const char* kMirrorHostA = "http://dl1.vozmara.cn";
constexpr const char* kMirrorHostB = "http://dl2.vozmara.cn";
constexpr const char* kVoiceHost = "http://voice.vozmara.cn";

struct Link {
  int id;
  int x, y, width;
  const char* text;
  const char* host;  // null for a heading
  const char* pathAndQuery;
};

constexpr int kLinkHeight = 30;

// Laid over the blank lines of the instructions.
constexpr Link kLinks[] = {
    {超级链接框4, 46, 114, 498, "第一步：安装英文识别引擎：speechsdk51.exe   (任选一个下载)", nullptr, ""},
    {超级链接框3, 120, 152, 100, "下载地址1", kVendorHost, "/download/speechSDK/SDK/5.1/WXP/EN-US/speechsdk51.exe"},
    {超级链接框2, 236, 152, 100, "下载地址2", kMirrorHostA, "/edown/speech/speechsdk51.exe"},
    {超级链接框1, 352, 152, 100, "下载地址3", kMirrorHostB, "/speechsoft/speechsdk51.exe"},
    {超级链接框5, 66, 294, 510, " 第二步：安装中文识别补丁：speechsdk51langpack.exe   (任选一个下载)", nullptr, ""},
    {超级链接框8, 120, 330, 100, "下载地址1", kVendorHost,
     "/download/speechSDK/SDK/5.1/WXP/EN-US/speechsdk51LangPack.exe"},
    {超级链接框6, 236, 330, 100, "下载地址2", kMirrorHostA, "/edown/speech/speechsdk51langpack.exe"},
    {超级链接框7, 352, 330, 100, "下载地址3", kMirrorHostB, "/speechsoft/SpeechSDK51LangPack.exe"},
    {超级链接框9, 69, 532, 224, "中文真人女声 Lily 语音库 476M", kVoiceHost, "/down/mylink.asp?ss=NVLily"},
    {超级链接框10, 325, 532, 224, "中文真人男声 Wang 语音库 192M", kVoiceHost, "/down/mylink.asp?ss=NVWang"},
    {超级链接框11, 69, 572, 224, "英文真人女声 kate 语音库 224M", kVoiceHost, "/down/mylink.asp?ss=NVKate"},
    {超级链接框12, 325, 572, 224, "英文真人男声 Paul 语音库 223M", kVoiceHost, "/down/mylink.asp?ss=NVPaul"},
};

// The blank lines leave room for the links.
constexpr const char* kInstructions =
    "\r\n"
    "        本软件需要微软语音识别引擎支持，否则将不能进行识别！如果没有安装该\r\n"
    "\r\n"
    "    引擎，单击开始控制菜单将会提示你。程序若没有检测到语音引擎，请按照以下\r\n"
    "\r\n"
    "    步骤下载并进行安装：\r\n"
    "\r\n"
    "    \r\n"
    "\r\n"
    "\r\n"
    "\r\n"
    "\r\n"
    "        下载完后,请先双击(再点击Unzip)解压缩,然后运行解压缩的的setup.exe\r\n"
    "\r\n"
    "    或者Microsoft Speech  SDK 5.1.msi进行安装.\r\n"
    "\r\n"
    "        ★★★注意:请先安装完这一步以后,再执行第二步.★★★\r\n"
    "\r\n"
    "\r\n"
    "\r\n"
    "          \r\n"
    "\r\n"
    "\r\n"
    "       下载完后,请先双击(再点击Unzip)解压缩,然后运行解压缩的LangPack文件夹\r\n"
    "\r\n"
    "    中的 setup.exe或者 Microsoft Speech SDK 5.1 Language Pack.msi 进行安装.\r\n"
    "\r\n"
    "    安装完后,重新运行本软件即可.\r\n"
    "\r\n"
    "    ～～～～～～～～～～～～～～～～～～～～～～～～～～～～～～～～～～\r\n"
    "   \r\n"
    "    下列语音库是当前最好的合成语音，用于电脑朗读，几可乱真。你喜欢就下载：\r\n"
    "\r\n"
    "   \r\n"
    "\r\n"
    "\r\n";

// The text's layout assumes a 12-point Song face: one line every 16 pixels.
constexpr const char* kFont = "宋体";
constexpr int kFontSize = 12;

ui::WindowDesign Build() {
  ui::WindowDesign d;
  d.className = "VozmaraEngineDownload";
  d.caption = "语音识别引擎下载提示:";
  d.width = 646;
  d.height = 654;

  ui::ControlDesign text{编辑框1, "编辑框1", ui::ControlKind::ReadOnlyEdit, 0, 8, 8, 622, 608, kInstructions};
  text.font = kFont;
  text.fontSize = kFontSize;
  d.controls.push_back(text);
  for (const Link& link : kLinks) {
    const int number = link.id - 超级链接框1 + 1;
    ui::ControlDesign c{link.id, "超级链接框" + std::to_string(number), ui::ControlKind::Hyperlink, 0, link.x,
                        link.y, link.width, kLinkHeight, link.text};
    c.font = kFont;
    c.fontSize = kFontSize;
    d.controls.push_back(c);
  }
  return d;
}

}  // namespace

const ui::WindowDesign& EngineDownloadDesign() {
  static const ui::WindowDesign design = Build();
  return design;
}

std::string EngineDownloadAddress(int controlId) {
  for (const Link& link : kLinks) {
    if (link.id == controlId) return link.host ? std::string(link.host) + link.pathAndQuery : std::string();
  }
  return {};
}

}  // namespace voz::tools
