// Whole-program faults that a folder of fixed files cannot express: a kill
// in mid-dialogue, a dialogue 100,000 words deep, a 50 MB signal.

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "test_support.hpp"

namespace fs = std::filesystem;

namespace {

std::string programPath(const std::string& name) {
  return std::string(PROGRAM_DIR) + "/" + name + "/" + name;
}

struct Spawned {
  pid_t pid;
  int toChild;    // the child's standard input, or -1
  int fromChild;  // the child's standard output, or -1
};

// Starts `program` in `dir`. Standard input and output are pipes unless
// files are named for them.
Spawned spawn(const std::string& program, const fs::path& dir, const char* inFile = nullptr,
              const char* outFile = nullptr) {
  int in[2], out[2];
  if (pipe(in) != 0 || pipe(out) != 0) throw std::runtime_error("pipe");
  const pid_t pid = fork();
  if (pid == 0) {
    if (chdir(dir.c_str()) != 0) _exit(127);
    const int input = inFile ? open(inFile, O_RDONLY) : in[0];
    const int output = outFile ? open(outFile, O_WRONLY | O_CREAT | O_TRUNC, 0644) : out[1];
    dup2(input, 0);
    dup2(output, 1);
    for (int fd : {in[0], in[1], out[0], out[1]}) close(fd);
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(in[0]);
  close(out[1]);
  if (inFile) close(in[1]);
  if (outFile) close(out[0]);
  return {pid, inFile ? -1 : in[1], outFile ? -1 : out[0]};
}

struct Ended {
  int status;
  long peakKilobytes;
};

Ended waitFor(pid_t pid) {
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), usage.ru_maxrss};
}

// Reads the child's output until `count` questions have been asked.
void awaitQuestions(int from, int count) {
  std::string seen;
  char buffer[4096];
  int asked = 0;
  while (asked < count) {
    const ssize_t got = read(from, buffer, sizeof buffer);
    ASSERT_GT(got, 0) << "output ended after:\n" << seen;
    seen.append(buffer, static_cast<std::size_t>(got));
    asked = 0;
    for (std::size_t at = seen.find("valid?\n> "); at != std::string::npos; at = seen.find("valid?\n> ", at + 1))
      ++asked;
  }
}

void writeSosDictionary(const fs::path& dir) {
  writeFile(dir / "wordsFiltered2.txt", "s\nsos\no\n");
  writeFile(dir / "wordsFiltered2_morse.txt", "...\n...---...\n---\n");
  writeFile(dir / "signs.txt", "...---...\n");
}

TEST(Faults, KilledWhileWaitingLosesNoResultLine) {
  TempDir dir;
  writeSosDictionary(dir.path());
  const Spawned child = spawn(programPath("word_decoder"), dir.path());
  ASSERT_EQ(write(child.toChild, "y\ny\ny\n", 6), 6);
  awaitQuestions(child.fromChild, 4);  // the fourth, for "sos", is waiting
  kill(child.pid, SIGKILL);
  EXPECT_EQ(waitFor(child.pid).status, 128 + SIGKILL);
  close(child.toChild);
  close(child.fromChild);
  EXPECT_EQ(readFile(dir.path() / "possible.txt"), "3 : s\n6 : s o\n9 : s o s\n");
  EXPECT_EQ(readFile(dir.path() / "decode_signs.txt"), "s o s \n");
}

TEST(Faults, DialogueAHundredThousandWordsDeep) {
  // Each question repeats the whole message, so the console and the log of
  // acceptances grow with the square of the depth: both go to /dev/null.
  TempDir dir;
  const std::size_t depth = 100000;
  writeFile(dir.path() / "wordsFiltered2.txt", "e\n");
  writeFile(dir.path() / "wordsFiltered2_morse.txt", ".\n");
  writeFile(dir.path() / "signs.txt", std::string(depth, '.'));
  std::string answers;
  for (std::size_t i = 0; i < depth; ++i) answers += "y\n";
  writeFile(dir.path() / "answers", answers);
  fs::create_symlink("/dev/null", dir.path() / "possible.txt");

  const Spawned child = spawn(programPath("word_decoder"), dir.path(), "answers", "/dev/null");
  EXPECT_EQ(waitFor(child.pid).status, 0);
  std::string expected;
  for (std::size_t i = 0; i < depth; ++i) expected += "e ";
  EXPECT_EQ(readFile(dir.path() / "decode_signs.txt"), expected + "\n");
}

TEST(Faults, FiftyMegabyteSignalWithNoDecodingEndsWithAnEmptyResult) {
  TempDir dir;
  const std::size_t size = 50u << 20;
  std::string signal(size, '.');
  signal[size / 2] = '\0';
  writeFile(dir.path() / "signs.txt", signal);
  signal.clear();
  signal.shrink_to_fit();

  const Spawned child = spawn(programPath("letter_decoder"), dir.path(), "/dev/null", "console");
  const Ended ended = waitFor(child.pid);
  EXPECT_EQ(ended.status, 0);
  EXPECT_EQ(fs::file_size(dir.path() / "decode_signs.txt"), 0u);
  const fs::path console = dir.path() / "console";
  EXPECT_EQ(fs::file_size(console), size + std::string("\nTrying..\nDone").size());
  EXPECT_LE(ended.peakKilobytes * 1024, 4 * static_cast<long>(size)) << "peak memory";
}

}  // namespace
