// Writing a whole file over an earlier one: only a regular file is ever
// replaced, it keeps its mode and owner, its other names are named, the
// leftovers of killed writers are removed where provably theirs, and a write
// in place is announced before a byte changes.

#include "files/whole_file.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "child_process.h"
#include "ports/file_system.h"
#include "working_folder.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;

std::vector<std::string> namesIn(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// A process id that ran and ended: a writer killed part-way.
std::uint64_t endedProcess() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return static_cast<std::uint64_t>(child);
}

bool makeSocket(const std::string& path) {
  const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
  const bool bound = ::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  ::close(listener);
  return bound;
}

// A FIFO (which no program reads: opening it for writing would wait for
// ever), a socket, a folder and a link to the FIFO: each is left as it was,
// and nothing is made beside it.
TEST(WholeFile, OnlyARegularFileIsEverReplaced) {
  testing::WorkingFolder folder;
  ASSERT_EQ(::mkfifo("pipe", 0666), 0);
  ASSERT_TRUE(makeSocket("socket"));
  fs::create_directory("folder");
  fs::create_symlink("pipe", "link-to-pipe");
  const std::vector<std::string> before = namesIn(folder.path());
  for (const auto& [name, kind] : {std::pair{"pipe", FileKind::Fifo}, {"socket", FileKind::Socket},
                                   {"folder", FileKind::Folder}, {"link-to-pipe", FileKind::Fifo}}) {
    SCOPED_TRACE(name);
    std::vector<std::string> remarks;
    EXPECT_FALSE(writeFileReplacing(name, "new", [&](const std::string& r) { remarks.push_back(r); }));
    EXPECT_EQ(factsOf(name).kind, kind);
    EXPECT_TRUE(remarks.empty());
  }
  EXPECT_TRUE(fs::is_symlink("link-to-pipe"));
  EXPECT_EQ(namesIn(folder.path()), before);
  EXPECT_TRUE(fs::is_empty("folder"));
}

// A character device made in the test's own folder (the system's are
// never touched): the null device, as `--out nul` would name it.
TEST(WholeFile, DeviceIsNeverReplaced) {
  testing::WorkingFolder folder;
  if (::mknod("nul", S_IFCHR | 0666, makedev(1, 3)) != 0) {
    GTEST_SKIP() << "this machine lets no process make a device node (mknod: "
                 << std::strerror(errno) << ")";
  }
  EXPECT_FALSE(writeFileReplacing("nul", "0123456789"));
  struct stat status {};
  ASSERT_EQ(::lstat("nul", &status), 0);
  EXPECT_TRUE(S_ISCHR(status.st_mode));
  EXPECT_EQ(status.st_rdev, makedev(1, 3));
  EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"nul"});
}

// An earlier file of another user's, readable by its owner alone, comes back
// with the same owner and mode (and a file whose mode the umask would narrow
// keeps its own); the new bytes never sit in a file more users may read.
TEST(WholeFile, ReplacedFileKeepsItsModeAndOwner) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root may give a file to another user";
  testing::WorkingFolder folder;
  folder.writeFile("private.txt", "earlier");
  ASSERT_EQ(::chown("private.txt", kNobody, kNobody), 0);
  ASSERT_EQ(::chmod("private.txt", 0600), 0);
  folder.writeFile("shared.txt", "earlier");
  ASSERT_EQ(::chmod("shared.txt", 0666), 0);
  const mode_t umaskBefore = ::umask(022);
  EXPECT_TRUE(writeFileReplacing("private.txt", "new"));
  EXPECT_TRUE(writeFileReplacing("shared.txt", "new"));
  EXPECT_TRUE(writeFileReplacing("fresh.txt", "new"));
  ::umask(umaskBefore);
  struct stat status {};
  ASSERT_EQ(::stat("private.txt", &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0600u);
  EXPECT_EQ(status.st_uid, kNobody);
  EXPECT_EQ(status.st_gid, kNobody);
  ASSERT_EQ(::stat("shared.txt", &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0666u);
  ASSERT_EQ(::stat("fresh.txt", &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0644u);  // a new file, as the umask makes it
  EXPECT_EQ(folder.readFile("private.txt"), "new");
}

TEST(WholeFile, OtherNamesOfTheFileAreNamedAndKeepTheEarlierText) {
  testing::WorkingFolder folder;
  folder.writeFile("log.txt", "earlier");
  fs::create_hard_link("log.txt", "backup.txt");
  std::vector<std::string> remarks;
  EXPECT_TRUE(writeFileReplacing("log.txt", "new", [&](const std::string& r) { remarks.push_back(r); }));
  EXPECT_EQ(remarks, std::vector<std::string>{
                         "replacing log.txt, which has 2 names (hard links): the other 1 keep the "
                         "earlier text"});
  EXPECT_EQ(folder.readFile("log.txt"), "new");
  EXPECT_EQ(folder.readFile("backup.txt"), "earlier");
}

// A hundred temporary files of writers killed part-way, then those of the
// same shape that are not provably such: one of a writer still running
// (this process), one with a second name, one of another user's, a link, a
// folder and names of a slightly other shape. Only the hundred go, and the
// file is replaced by a new one as usual, not written in place.
TEST(WholeFile, LeftoversOfKilledWritersAreRemovedWhereProvablyTheirs) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root may give a leftover to another user";
  testing::WorkingFolder folder;
  folder.writeFile("log.txt", "earlier");
  const std::uint64_t killed = endedProcess();
  for (std::uint32_t n = 0; n < 100; ++n) folder.writeFile(temporaryNameFor("log.txt", killed, n), "part");
  std::vector<std::string> kept = {
      temporaryNameFor("log.txt", thisProcessId(), 1), temporaryNameFor("log.txt", killed, 101),
      temporaryNameFor("log.txt", killed, 102),        temporaryNameFor("log.txt", killed, 103),
      ".log.txt." + std::to_string(killed) + ".0000006G.part",
      ".log.txt." + std::to_string(killed) + ".part", "log.txt." + std::to_string(killed) + ".00000068.part",
      "backup.txt", "log.txt", "notes.txt"};
  folder.writeFile(kept[0], "a writer at work");
  folder.writeFile(kept[1], "two names");
  fs::create_hard_link(kept[1], "backup.txt");
  folder.writeFile(kept[2], "another user's");
  ASSERT_EQ(::chown(kept[2].c_str(), kNobody, kNobody), 0);
  folder.writeFile("notes.txt", "notes");
  fs::create_symlink("notes.txt", kept[3]);
  for (std::size_t i = 4; i < 7; ++i) folder.writeFile(kept[i], "other shape");
  const struct stat before = [] {
    struct stat s {};
    ::stat("log.txt", &s);
    return s;
  }();
  std::vector<std::string> remarks;
  EXPECT_TRUE(writeFileReplacing("log.txt", "new", [&](const std::string& r) { remarks.push_back(r); }));
  EXPECT_TRUE(remarks.empty());
  std::sort(kept.begin(), kept.end());
  EXPECT_EQ(namesIn(folder.path()), kept);
  EXPECT_EQ(folder.readFile("log.txt"), "new");
  EXPECT_NE(factsOf("log.txt").index, before.st_ino);  // a new file moved over it
  EXPECT_EQ(folder.readFile("backup.txt"), "two names");
  EXPECT_EQ(folder.readFile("notes.txt"), "notes");
}

// The folder takes no new file, the file may still be written: the remark
// comes while the file still holds its earlier bytes, and the new text
// replaces them all, nothing else made.
TEST(WholeFile, WritingInPlaceIsSaidBeforeAByteChanges) {
  testing::WorkingFolder folder;
  folder.writeFile("log.txt", std::string(300, 'x'));
  fs::permissions("log.txt", fs::perms::all & ~(fs::perms::owner_exec | fs::perms::group_exec |
                                                 fs::perms::others_exec));
  fs::permissions(folder.path(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                     fs::perms::others_read | fs::perms::others_exec);
  EXPECT_TRUE(testing::inUnprivilegedChild([&folder] {
    std::string heard, seen;
    const bool written = writeFileReplacing("log.txt", "new", [&](const std::string& r) {
      heard = r;
      seen = folder.readFile("log.txt");
    });
    return written && heard == "writing log.txt in place: this folder takes no new file" &&
           seen == std::string(300, 'x');
  }));
  fs::permissions(folder.path(), fs::perms::owner_all);
  EXPECT_EQ(folder.readFile("log.txt"), "new");
  EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"log.txt"});
}

}  // namespace
}  // namespace velmora
