#include <gtest/gtest.h>

#include "platform/files/MemoryFileSystem.h"
#include "platform/ini/IniFiles.h"
#include "tests/ini/IniReadCases.h"

namespace voz::ini {
namespace {

TEST(IniRead, ReadsAsWindowsDoes) {
  for (const auto& c : testing::IniReadCases()) {
    SCOPED_TRACE(c.name);
    files::MemoryFileSystem fs;
    if (c.form != testing::FileForm::kMissing) fs.files["/p/参数.ini"] = testing::FileBytes(c);
    IniFiles ini(fs);
    EXPECT_EQ(ini.Read("/p/参数.ini", c.section, c.key), c.expected);
  }
}

// One file holding every kind of line, read key by key from one parse.
TEST(IniRead, ManyKeysFromOneFile) {
  files::MemoryFileSystem fs;
  fs.files["/p/a.ini"] =
      "k=above\r\n"
      "[\xD6\xF7\xB4\xB0\xBF\xDA]\r\n"  // 主窗口
      "\xD7\xF3\xB1\xDF=12\r\n"          // 左边
      "; \xB6\xA5\xB1\xDF=1\r\n"         // ; 顶边 (a comment)
      "\xB6\xA5\xB1\xDF= -7 \n"          // 顶边
      "[\xC9\xE8\xD6\xC3]\r\n"           // 设置
      "\xD7\xD4\xB6\xAF\xBF\xD8\xD6\xC6=\xD5\xE6";  // 自动控制=真
  IniFiles ini(fs);
  EXPECT_EQ(ini.Read("/p/a.ini", "主窗口", "左边"), "12");
  EXPECT_EQ(ini.Read("/p/a.ini", "主窗口", "顶边"), "-7");
  EXPECT_EQ(ini.ReadNumber("/p/a.ini", "主窗口", "顶边"), -7.0);
  EXPECT_TRUE(ini.ReadFlag("/p/a.ini", "设置", "自动控制"));
  EXPECT_EQ(ini.Read("/p/a.ini", "设置", "左边"), "");
  EXPECT_EQ(ini.ReadNumber("/p/a.ini", "设置", "无"), 0.0);
  EXPECT_FALSE(ini.ReadFlag("/p/a.ini", "设置", "无"));
  EXPECT_EQ(fs.reads, 1);
}

}  // namespace
}  // namespace voz::ini
