// Times 2,500 lookups of different keys in a ~60 KB GBK INI file (many
// sections, Chinese keys and values) with our IniFiles and, on Windows, with
// GetPrivateProfileStringW in the same run, and prints both and the ratio.
// Our timing includes what a real caller pays: the first read and parse and
// the file check (Stat) of every Read.
//
//   ini_bench [FOLDER]    (default: the system's temporary folder)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/files/FileSystem.h"
#include "platform/ini/IniDocument.h"
#include "platform/ini/IniFiles.h"
#include "platform/text/Encoding.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kSections = 125;
constexpr int kKeysPerSection = 20;
constexpr int kRounds = 3;

struct Item {
  std::string section;  // UTF-8
  std::string key;
  std::string value;
};

// Deterministic Chinese texts: city-like names from a fixed set of characters.
std::string Name(unsigned seed, int length) {
  static const char* const kParts[] = {"北", "京", "上", "海", "广", "州", "深", "圳", "成", "都", "重", "庆",
                                       "西", "安", "南", "宁", "武", "汉", "长", "沙", "杭", "苏", "福", "厦",
                                       "门", "山", "河", "湖", "江", "城", "市", "县"};
  std::string name;
  for (int i = 0; i < length; ++i) {
    seed = seed * 1103515245u + 12345u;
    name += kParts[(seed >> 16) % (sizeof kParts / sizeof kParts[0])];
  }
  return name;
}

std::vector<Item> MakeItems() {
  std::vector<Item> items;
  for (int s = 0; s < kSections; ++s) {
    for (int k = 0; k < kKeysPerSection; ++k) {
      const int n = s * kKeysPerSection + k + 1;
      items.push_back({"城市分组" + std::to_string(s + 1), "城市代码" + std::to_string(n),
                       Name(static_cast<unsigned>(n), 3 + n % 4) + "区"});
    }
  }
  return items;
}

std::string MakeFile(const std::vector<Item>& items) {
  std::string utf8 = "; 天气预报城市\r\n";
  std::string section;
  for (const Item& item : items) {
    if (item.section != section) {
      section = item.section;
      utf8 += "[" + section + "]\r\n";
    }
    utf8 += item.key + "=" + item.value + "\r\n";
  }
  return voz::text::Utf8ToGbk(utf8);
}

// A fixed shuffle, so lookups jump around the file.
std::vector<size_t> LookupOrder(size_t count) {
  std::vector<size_t> order(count);
  for (size_t i = 0; i < count; ++i) order[i] = i;
  unsigned seed = 2024;
  for (size_t i = count - 1; i > 0; --i) {
    seed = seed * 1103515245u + 12345u;
    std::swap(order[i], order[(seed >> 8) % (i + 1)]);
  }
  return order;
}

double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// One pass of every lookup through `ini`; returns the time and counts wrong answers.
double TimeOurs(voz::ini::IniFiles& ini, const std::string& path, const std::vector<Item>& items,
                const std::vector<size_t>& order, int& wrong) {
  const auto start = Clock::now();
  for (const size_t i : order) {
    if (ini.Read(path, items[i].section, items[i].key) != items[i].value) ++wrong;
  }
  return Milliseconds(Clock::now() - start);
}

#ifdef _WIN32
std::wstring Wide(const std::string& utf8) {
  const std::u16string u = voz::text::Utf8ToUtf16(utf8);
  return std::wstring(u.begin(), u.end());
}

double TimeWindows(const std::string& path, const std::vector<Item>& items, const std::vector<size_t>& order,
                   int& wrong) {
  // Arguments converted beforehand: only the calls are timed.
  std::vector<std::wstring> sections, keys;
  for (const Item& item : items) {
    sections.push_back(Wide(item.section));
    keys.push_back(Wide(item.key));
  }
  const std::wstring widePath = Wide(path);
  std::vector<std::wstring> got(items.size());
  wchar_t buffer[256];
  const auto start = Clock::now();
  for (const size_t i : order) {
    const DWORD n = GetPrivateProfileStringW(sections[i].c_str(), keys[i].c_str(), L"", buffer, 256, widePath.c_str());
    got[i].assign(buffer, n);
  }
  const double ms = Milliseconds(Clock::now() - start);
  for (size_t i = 0; i < items.size(); ++i) {
    const std::u16string u(got[i].begin(), got[i].end());
    if (voz::text::Utf16ToUtf8(u) != items[i].value) ++wrong;
  }
  return ms;
}
#endif

int Bench(const std::filesystem::path& folder) {
  namespace stdfs = std::filesystem;
  std::error_code ignored;
  stdfs::create_directories(folder, ignored);
  const std::u8string u8 = (folder / "ini-bench.ini").u8string();
  const std::string path(u8.begin(), u8.end());
  const std::vector<Item> items = MakeItems();
  const std::vector<size_t> order = LookupOrder(items.size());
  voz::files::FileSystem& fs = voz::files::RealFileSystem();
  if (!voz::files::WriteFileAtomically(fs, path, MakeFile(items))) {
    std::fprintf(stderr, "ini_bench: cannot write %s\n", path.c_str());
    return 1;
  }
  std::printf("file: %s, %llu bytes, %d sections, %zu lookups of different keys, %d rounds\n", path.c_str(),
              static_cast<unsigned long long>(fs.Stat(path)->size), kSections, order.size(), kRounds);

  int wrong = 0;
  double cold = 1e30, warm = 1e30, everyStat = 1e30;
  for (int round = 0; round < kRounds; ++round) {
    voz::ini::IniFiles ini(fs);  // a fresh cache: the first Read loads and parses
    cold = std::min(cold, TimeOurs(ini, path, items, order, wrong));
    warm = std::min(warm, TimeOurs(ini, path, items, order, wrong));
    voz::ini::IniFiles::Options always;
    always.recheckAfter = Clock::duration::zero();
    voz::ini::IniFiles statEveryRead(fs, always);
    everyStat = std::min(everyStat, TimeOurs(statEveryRead, path, items, order, wrong));
  }
  double readAll = 1e30, parse = 1e30;
  for (int round = 0; round < kRounds; ++round) {
    const auto start = Clock::now();
    const auto bytes = fs.ReadAll(path);
    const auto read = Clock::now();
    const auto doc = voz::ini::IniDocument::Parse(bytes.value_or(""));
    readAll = std::min(readAll, Milliseconds(read - start));
    parse = std::min(parse, Milliseconds(Clock::now() - read));
  }
  std::printf("ours, first pass (read, parse, lookups):   %8.3f ms\n", cold);
  std::printf("  of which reading the file %.3f ms, parsing it %.3f ms\n", readAll, parse);
  std::printf("ours, later pass (cached, checked file):   %8.3f ms\n", warm);
  std::printf("ours, with a Stat on every lookup:         %8.3f ms\n", everyStat);
  if (wrong != 0) std::printf("ours: %d wrong answers\n", wrong);

#ifdef _WIN32
  int windowsWrong = 0;
  double windows = 1e30;
  for (int round = 0; round < kRounds; ++round) windows = std::min(windows, TimeWindows(path, items, order, windowsWrong));
  std::printf("GetPrivateProfileStringW:                   %8.3f ms (code page %u)\n", windows, GetACP());
  if (windowsWrong != 0) std::printf("GetPrivateProfileStringW: %d answers differ from ours\n", windowsWrong / kRounds);
  std::printf("ratio, first pass:        %7.0fx\n", windows / cold);
  std::printf("ratio, later pass:        %7.0fx\n", windows / warm);
  std::printf("ratio, Stat every lookup: %7.0fx\n", windows / everyStat);
#endif
  if (!std::getenv("VOZ_BENCH_KEEP")) fs.Remove(path);
  return wrong == 0 ? 0 : 1;
}

}  // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
  return Bench(argc > 1 ? std::filesystem::path(argv[1]) : std::filesystem::temp_directory_path());
}
#else
int main(int argc, char** argv) {
  return Bench(argc > 1 ? std::filesystem::path(argv[1]) : std::filesystem::temp_directory_path());
}
#endif
