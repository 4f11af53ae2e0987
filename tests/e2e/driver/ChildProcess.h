// A program the bench starts. It is killed when this object goes away, so a
// failed test never leaves it running.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace voz::e2e {

class ChildProcess {
 public:
  ChildProcess() = default;
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  ChildProcess(ChildProcess&& other) noexcept;
  ChildProcess& operator=(ChildProcess&& other) noexcept;
  ~ChildProcess();

  // Starts `exe` with the arguments (each quoted as needed) in `workDir`.
  // With `outputFile` set, standard output and error go to that file.
  // False with a reason in `error` when the process could not be created.
  bool Start(const std::wstring& exe, const std::vector<std::wstring>& args, const std::wstring& workDir,
             std::string* error, const std::wstring& outputFile = L"");

  bool Started() const { return process_ != nullptr; }
  unsigned long Id() const { return id_; }
  bool Running() const;
  // True when the process has ended within the time.
  bool WaitExit(std::chrono::milliseconds timeout);
  std::optional<unsigned long> ExitCode() const;
  // Terminates the process if it still runs and waits (bounded) for its end.
  void Kill();

 private:
  void Close();

  void* process_ = nullptr;
  unsigned long id_ = 0;
};

// The command line Windows programs split back into these arguments.
std::wstring QuoteArgument(const std::wstring& argument);

}  // namespace voz::e2e
