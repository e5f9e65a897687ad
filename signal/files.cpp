#include "files.hpp"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <initializer_list>
#include <iostream>
#include <unistd.h>

void guardStandardStreams() {
  for (int fd = 0; fd <= 2; ++fd) {
    if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
    const int opened = open("/dev/null", O_RDONLY);
    if (opened != -1 && opened != fd) {
      dup2(opened, fd);
      ::close(opened);
    }
  }
}

void warnUnreadable(const char* name, std::string_view program) {
  std::cerr << program << ": warning: cannot open \"" << name << "\": " << std::strerror(errno)
            << "; reading it as empty\n";
}

std::FILE* openInput(const char* name, std::string_view program) {
  std::FILE* in = std::fopen(name, "r");
  if (in == nullptr) warnUnreadable(name, program);
  return in;
}

std::size_t regularFileSize(std::FILE* in) {
  struct stat info {};
  if (in == nullptr || fstat(fileno(in), &info) != 0 || !S_ISREG(info.st_mode)) return 0;
  return static_cast<std::size_t>(info.st_size);
}

OutputFile::OutputFile(std::FILE* stream, std::string label)
    : stream_(stream), label_(std::move(label)) {}

OutputFile::~OutputFile() { close(); }

bool OutputFile::create(const char* name) {
  label_ = std::string("\"") + name + "\"";
  stream_ = std::fopen(name, "w");
  owned_ = stream_ != nullptr;
  if (!owned_) {
    fail("cannot create");
    return false;
  }
  // Large enough that a flushed line, however long, usually leaves in one write.
  buffer_.resize(1 << 20);
  std::setvbuf(stream_, buffer_.data(), _IOFBF, buffer_.size());
  return true;
}

void OutputFile::fail(const char* what) {
  if (error_.empty()) error_ = std::string(what) + " " + label_ + ": " + std::strerror(errno);
}

void OutputFile::write(std::string_view text) {
  if (stream_ == nullptr || text.empty()) return;
  if (std::fwrite(text.data(), 1, text.size(), stream_) != text.size()) fail("cannot write");
}

void OutputFile::put(char byte) {
  if (stream_ != nullptr && std::fputc(static_cast<unsigned char>(byte), stream_) == EOF)
    fail("cannot write");
}

void OutputFile::writeNumber(unsigned long long value) { write(std::to_string(value)); }

void OutputFile::flush() {
  if (stream_ != nullptr && std::fflush(stream_) != 0) fail("cannot write");
}

void OutputFile::close() {
  if (stream_ == nullptr) return;
  flush();
  if (owned_ && std::fclose(stream_) != 0) fail("cannot write");
  stream_ = nullptr;
  owned_ = false;
}

int reportFailures(std::string_view program, std::initializer_list<const OutputFile*> outputs) {
  int status = 0;
  for (const OutputFile* output : outputs) {
    if (!output->failed()) continue;
    std::cerr << program << ": " << output->error() << '\n';
    status = 1;
  }
  return status;
}
