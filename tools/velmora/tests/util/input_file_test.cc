// Inputs as a user names them: a file, a FIFO, a device; read without
// waiting for a writer and without growing past the limit.

#include "util/input_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <iterator>

#include "working_folder.h"

namespace velmora::cli {
namespace {

std::string rest(std::istream& in) {
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Standard input made a pipe that holds `text`, for the length of a test.
class PipedStandardInput {
 public:
  explicit PipedStandardInput(const std::string& text) : saved_(::dup(0)) {
    int ends[2];
    if (::pipe(ends) != 0) return;
    const ssize_t wrote = ::write(ends[1], text.data(), text.size());  // within the pipe's room
    EXPECT_EQ(wrote, static_cast<ssize_t>(text.size()));
    ::close(ends[1]);
    ::dup2(ends[0], 0);
    ::close(ends[0]);
  }
  ~PipedStandardInput() {
    ::dup2(saved_, 0);
    ::close(saved_);
  }

 private:
  int saved_;
};

TEST(InputFile, RegularFileIsReadAsItIsAndAFolderOrMissingFileIsNot) {
  testing::WorkingFolder folder;
  folder.writeFile("log.adi", "<CALL:4>DL1A<EOR>");
  OpenedInput file = openInput((folder.path() / "log.adi").string(), 4);  // no limit on files
  ASSERT_EQ(file.fault, InputFault::None);
  EXPECT_EQ(rest(*file.stream), "<CALL:4>DL1A<EOR>");
  EXPECT_EQ(openInput(folder.path().string(), 1 << 20).fault, InputFault::Unreadable);
  EXPECT_EQ(openInput((folder.path() / "none").string(), 1 << 20).fault, InputFault::Unreadable);
  EXPECT_EQ(readWholeInput((folder.path() / "log.adi").string(), 16).fault, InputFault::TooLarge);
  EXPECT_EQ(readWholeInput((folder.path() / "log.adi").string(), 17).bytes, "<CALL:4>DL1A<EOR>");
}

TEST(InputFile, PipeIsHeldInMemoryAndReadLikeAFile) {
  std::string text = "START-OF-LOG: 3.0\nQSO: 7050\n";
  {
    PipedStandardInput piped(text);
    OpenedInput fed = openInput("-", 1 << 20);
    ASSERT_EQ(fed.fault, InputFault::None);
    EXPECT_EQ(rest(*fed.stream), text);
    fed.stream->clear();
    fed.stream->seekg(6);  // readers look back at the start
    EXPECT_EQ(fed.stream->tellg(), 6);
    EXPECT_EQ(rest(*fed.stream), text.substr(6));
  }
  PipedStandardInput longer(std::string(30'000, 'x'));
  EXPECT_EQ(openInput("-", 29'999).fault, InputFault::TooLarge);
}

TEST(InputFile, FifoThatNobodyWritesIntoIsEmptyAtOnce) {
  testing::WorkingFolder folder;
  const std::string fifo = (folder.path() / "log.fifo").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  OpenedInput idle = openInput(fifo, 1 << 20);
  ASSERT_EQ(idle.fault, InputFault::None);
  EXPECT_EQ(rest(*idle.stream), "");
  EXPECT_EQ(readWholeInput(fifo, 1 << 20).bytes, "");
}

// A device that never ends stops at the limit (a character device made in
// the scratch folder where the system allows it, else the system's own).
TEST(InputFile, EndlessDeviceStopsAtTheLimit) {
  testing::WorkingFolder folder;
  std::string zero = (folder.path() / "zero").string();
  if (::mknod(zero.c_str(), S_IFCHR | 0600, makedev(1, 5)) != 0) zero = "/dev/zero";
  EXPECT_EQ(openInput(zero, 1 << 20).fault, InputFault::TooLarge);
  EXPECT_EQ(readWholeInput(zero, 1 << 20).fault, InputFault::TooLarge);
  EXPECT_EQ(inputName("-"), "standard input");
  EXPECT_EQ(mebibytes(std::size_t{64} << 20), "64 MiB");
}

}  // namespace
}  // namespace velmora::cli
