#pragma once
// Opening a file named on the command line for reading. A regular file is
// read from the disk as it goes; standard input ("-"), a pipe, a FIFO or a
// device is read once into memory, at most as many bytes as the caller
// allows, and then read from there like a file, so that a reader may look
// back at its start. Opening never waits for a writer: a FIFO that nobody
// writes into reads as empty.

#include <cstddef>
#include <istream>
#include <memory>
#include <string>

namespace velmora::cli {

enum class InputFault {
  None,
  Unreadable,  // missing, a folder, or refused by the system
  TooLarge,    // more bytes than allowed
  Terminal,    // standard input is a terminal, with no log piped into it
};

struct OpenedInput {
  std::unique_ptr<std::istream> stream;  // set when there is no fault
  InputFault fault = InputFault::None;
};

// `path` ("-": standard input); what is not a regular file is held in
// memory, at most `memoryLimit` bytes.
OpenedInput openInput(const std::string& path, std::size_t memoryLimit);

struct WholeInput {
  std::string bytes;
  InputFault fault = InputFault::None;
};

// Every byte of `path` ("-": standard input), regular file or not, at most
// `limit` bytes.
WholeInput readWholeInput(const std::string& path, std::size_t limit);

// How a message names the input: "standard input" for "-", else the path.
std::string inputName(const std::string& path);

// A limit as messages state it: "64 MiB".
std::string mebibytes(std::size_t bytes);

}  // namespace velmora::cli
