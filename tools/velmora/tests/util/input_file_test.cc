// Inputs as a user names them: a file, or a pipe held in memory within the
// limit (FIFOs and devices: tools/velmora/tests/hostile_input.sh).

#include "util/input_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
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

}  // namespace
}  // namespace velmora::cli
