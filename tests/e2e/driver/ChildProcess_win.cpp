#include <windows.h>

#include "tests/e2e/driver/ChildProcess.h"
#include "tests/e2e/driver/Paths.h"

namespace voz::e2e {

std::wstring QuoteArgument(const std::wstring& argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) return argument;
  // The rules of CommandLineToArgvW: backslashes double only before a quote.
  std::wstring quoted = L"\"";
  size_t backslashes = 0;
  for (wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, L'\\');
  quoted += L'"';
  return quoted;
}

ChildProcess::ChildProcess(ChildProcess&& other) noexcept : process_(other.process_), id_(other.id_) {
  other.process_ = nullptr;
  other.id_ = 0;
}

ChildProcess& ChildProcess::operator=(ChildProcess&& other) noexcept {
  if (this != &other) {
    Kill();
    Close();
    process_ = other.process_;
    id_ = other.id_;
    other.process_ = nullptr;
    other.id_ = 0;
  }
  return *this;
}

ChildProcess::~ChildProcess() {
  Kill();
  Close();
}

bool ChildProcess::Start(const std::wstring& exe, const std::vector<std::wstring>& args, const std::wstring& workDir,
                         std::string* error, const std::wstring& outputFile) {
  Kill();
  Close();
  std::wstring commandLine = QuoteArgument(exe);
  for (const auto& arg : args) commandLine += L" " + QuoteArgument(arg);

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  HANDLE output = INVALID_HANDLE_VALUE;
  if (!outputFile.empty()) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    output = CreateFileW(outputFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                         CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (output == INVALID_HANDLE_VALUE) {
      if (error) *error = "cannot create " + Narrow(outputFile);
      return false;
    }
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = output;
    startup.hStdError = output;
  }
  PROCESS_INFORMATION info{};
  const BOOL ok = CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, output != INVALID_HANDLE_VALUE,
                                 0, nullptr, workDir.empty() ? nullptr : workDir.c_str(), &startup, &info);
  const DWORD lastError = GetLastError();
  if (output != INVALID_HANDLE_VALUE) CloseHandle(output);
  if (!ok) {
    if (error) *error = "cannot start " + Narrow(exe) + " (error " + std::to_string(lastError) + ")";
    return false;
  }
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  id_ = info.dwProcessId;
  return true;
}

bool ChildProcess::Running() const {
  return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool ChildProcess::WaitExit(std::chrono::milliseconds timeout) {
  if (process_ == nullptr) return true;
  return WaitForSingleObject(process_, static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

std::optional<unsigned long> ChildProcess::ExitCode() const {
  DWORD code = 0;
  if (process_ == nullptr || !GetExitCodeProcess(process_, &code) || code == STILL_ACTIVE) return std::nullopt;
  return code;
}

void ChildProcess::Kill() {
  if (process_ == nullptr || !Running()) return;
  TerminateProcess(process_, 99);
  WaitForSingleObject(process_, 5000);
}

void ChildProcess::Close() {
  if (process_ != nullptr) CloseHandle(process_);
  process_ = nullptr;
  id_ = 0;
}

}  // namespace voz::e2e
