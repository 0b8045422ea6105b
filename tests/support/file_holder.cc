// Another program that keeps a file open, as an editor or a file viewer does
// (Windows only): opens FILE for reading with the sharing SHARE (a number,
// FILE_SHARE_* bits), writes "1" on standard output once it holds the file
// ("0" when it cannot open it), and keeps it open until its standard input
// is closed.
// Usage: file_holder FILE SHARE

#include <windows.h>

#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  const auto share = static_cast<DWORD>(std::strtoul(argv[2], nullptr, 10));
  const HANDLE file = CreateFileA(argv[1], GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr);
  const char answer = file != INVALID_HANDLE_VALUE ? '1' : '0';
  DWORD count = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), &answer, 1, &count, nullptr);
  char ignored = 0;
  while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), &ignored, 1, &count, nullptr) && count > 0) {
  }
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  return 0;
}
