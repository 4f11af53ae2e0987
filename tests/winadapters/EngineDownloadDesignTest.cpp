#include <gtest/gtest.h>

#include <string>

#include "vozmara/tools/EngineDownloadWindow.h"

namespace voz::tools {
namespace {

using ui::ControlKind;

size_t Count(const std::string& text, const std::string& part) {
  size_t n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++n;
  return n;
}

TEST(EngineDownloadDesign, WindowAndInstructions) {
  const ui::WindowDesign& d = EngineDownloadDesign();
  EXPECT_EQ(d.caption, "语音识别引擎下载提示:");
  EXPECT_EQ(d.width, 646);
  EXPECT_EQ(d.height, 654);
  EXPECT_FALSE(d.className.empty());
  EXPECT_TRUE(d.menuBar.empty());

  const ui::ControlDesign* text = d.Find(编辑框1);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->name, "编辑框1");
  EXPECT_EQ(text->kind, ControlKind::ReadOnlyEdit);
  EXPECT_EQ((std::vector<int>{text->x, text->y, text->width, text->height}), (std::vector<int>{8, 8, 622, 608}));

  // 37 lines, all ended by CR LF, with their spacing kept (two spaces before SDK).
  const std::string& t = text->text;
  EXPECT_EQ(Count(t, "\r\n"), 36u);
  EXPECT_EQ(Count(t, "\n"), 36u);
  EXPECT_EQ(t.rfind("\r\n        本软件需要微软语音识别引擎支持，否则将不能进行识别！如果没有安装该\r\n\r\n", 0), 0u);
  EXPECT_NE(t.find("\r\n    或者Microsoft Speech  SDK 5.1.msi进行安装.\r\n"), std::string::npos);
  EXPECT_NE(t.find("然后运行解压缩的的setup.exe\r\n"), std::string::npos);
  EXPECT_NE(t.find("\r\n    中的 setup.exe或者 Microsoft Speech SDK 5.1 Language Pack.msi 进行安装.\r\n"),
            std::string::npos);
  EXPECT_EQ(Count(t, "～"), 34u);
  const std::string tail = "几可乱真。你喜欢就下载：\r\n\r\n   \r\n\r\n\r\n";
  ASSERT_GE(t.size(), tail.size());
  EXPECT_EQ(t.substr(t.size() - tail.size()), tail);
}

struct ExpectedLink {
  int id;
  const char* name;
  int x, y, width;
  const char* text;
  const char* pathAndQuery;  // empty for a heading
};

constexpr ExpectedLink kExpected[] = {
    {超级链接框4, "超级链接框4", 46, 114, 498, "第一步：安装英文识别引擎：speechsdk51.exe   (任选一个下载)", ""},
    {超级链接框3, "超级链接框3", 120, 152, 100, "下载地址1", "/download/speechSDK/SDK/5.1/WXP/EN-US/speechsdk51.exe"},
    {超级链接框2, "超级链接框2", 236, 152, 100, "下载地址2", "/edown/speech/speechsdk51.exe"},
    {超级链接框1, "超级链接框1", 352, 152, 100, "下载地址3", "/speechsoft/speechsdk51.exe"},
    {超级链接框5, "超级链接框5", 66, 294, 510, " 第二步：安装中文识别补丁：speechsdk51langpack.exe   (任选一个下载)",
     ""},
    {超级链接框8, "超级链接框8", 120, 330, 100, "下载地址1",
     "/download/speechSDK/SDK/5.1/WXP/EN-US/speechsdk51LangPack.exe"},
    {超级链接框6, "超级链接框6", 236, 330, 100, "下载地址2", "/edown/speech/speechsdk51langpack.exe"},
    {超级链接框7, "超级链接框7", 352, 330, 100, "下载地址3", "/speechsoft/SpeechSDK51LangPack.exe"},
    {超级链接框9, "超级链接框9", 69, 532, 224, "中文真人女声 Lily 语音库 476M", "/down/mylink.asp?ss=NVLily"},
    {超级链接框10, "超级链接框10", 325, 532, 224, "中文真人男声 Wang 语音库 192M", "/down/mylink.asp?ss=NVWang"},
    {超级链接框11, "超级链接框11", 69, 572, 224, "英文真人女声 kate 语音库 224M", "/down/mylink.asp?ss=NVKate"},
    {超级链接框12, "超级链接框12", 325, 572, 224, "英文真人男声 Paul 语音库 223M", "/down/mylink.asp?ss=NVPaul"},
};

// The host part of an address: everything before the first '/' after "//".
std::string Host(const std::string& address) {
  const size_t start = address.find("://");
  if (start == std::string::npos) return {};
  return address.substr(0, address.find('/', start + 3));
}

TEST(EngineDownloadDesign, TwelveLinksWithPlacesTextsAndAddresses) {
  const ui::WindowDesign& d = EngineDownloadDesign();
  int links = 0;
  for (const auto& c : d.controls) links += c.kind == ControlKind::Hyperlink;
  EXPECT_EQ(links, 12);

  for (const ExpectedLink& e : kExpected) {
    SCOPED_TRACE(e.name);
    const ui::ControlDesign* c = d.Find(e.id);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->name, e.name);
    EXPECT_EQ(c->kind, ControlKind::Hyperlink);
    EXPECT_EQ((std::vector<int>{c->x, c->y, c->width, c->height}), (std::vector<int>{e.x, e.y, e.width, 30}));
    EXPECT_EQ(c->text, e.text);

    const std::string address = EngineDownloadAddress(e.id);
    const std::string path = e.pathAndQuery;
    if (path.empty()) {
      EXPECT_EQ(address, "");
      continue;
    }
    EXPECT_TRUE(address.rfind("http://", 0) == 0 || address.rfind("https://", 0) == 0) << address;
    EXPECT_EQ(Host(address) + path, address);
    EXPECT_GT(Host(address).size(), std::string("http://").size());
  }

  // The first address of each step is the vendor's; the voices share one site.
  EXPECT_EQ(Host(EngineDownloadAddress(超级链接框3)), Host(EngineDownloadAddress(超级链接框8)));
  EXPECT_EQ(Host(EngineDownloadAddress(超级链接框2)), Host(EngineDownloadAddress(超级链接框6)));
  EXPECT_EQ(Host(EngineDownloadAddress(超级链接框1)), Host(EngineDownloadAddress(超级链接框7)));
  for (int id : {超级链接框10, 超级链接框11, 超级链接框12}) {
    EXPECT_EQ(Host(EngineDownloadAddress(id)), Host(EngineDownloadAddress(超级链接框9)));
  }
  for (int id : {0, static_cast<int>(编辑框1), 超级链接框12 + 1, -1}) EXPECT_EQ(EngineDownloadAddress(id), "") << id;
}

}  // namespace
}  // namespace voz::tools
