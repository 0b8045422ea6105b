#include "held_file.h"

namespace velmora::testing {
namespace {

// file_holder.exe, beside the running program.
std::string holderProgram() {
  char self[MAX_PATH] = {};
  const std::string path(self, GetModuleFileNameA(nullptr, self, MAX_PATH));
  return path.substr(0, path.find_last_of("\\/") + 1) + "file_holder.exe";
}

}  // namespace

HeldFile::HeldFile(const std::string& path, DWORD share) {
  SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE holderInput = nullptr;
  HANDLE answer = nullptr;
  HANDLE holderOutput = nullptr;
  if (!CreatePipe(&holderInput, &keepOpen_, &inherited, 0)) return;
  if (!CreatePipe(&answer, &holderOutput, &inherited, 0)) return;
  SetHandleInformation(keepOpen_, HANDLE_FLAG_INHERIT, 0);
  SetHandleInformation(answer, HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = holderInput;
  startup.hStdOutput = holderOutput;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  std::string command = "\"" + holderProgram() + "\" \"" + path + "\" " + std::to_string(share);
  const bool started = CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr,
                                      nullptr, &startup, &process_) != 0;
  CloseHandle(holderInput);
  CloseHandle(holderOutput);
  char reply = 0;
  DWORD count = 0;
  held_ = started && ReadFile(answer, &reply, 1, &count, nullptr) && count == 1 && reply == '1';
  CloseHandle(answer);
}

HeldFile::~HeldFile() {
  if (keepOpen_ != nullptr) CloseHandle(keepOpen_);
  if (process_.hProcess != nullptr) {
    WaitForSingleObject(process_.hProcess, INFINITE);
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
  }
}

}  // namespace velmora::testing
