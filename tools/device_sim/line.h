#pragma once
// The line to the tool: the master side of a new pseudo-terminal, or a given serial device, raw at
// 9600 baud 8N1.

#include <QString>
#include <cstddef>
#include <string>

namespace vorlan::sim {

class Line {
 public:
  explicit Line(const QString& device);  // empty: a new pty

  int fd() const { return fd_; }
  const std::string& path() const { return path_; }  // what the tool opens

  void write(const char* data, size_t size);
  [[noreturn]] void hangUp(long sent);

 private:
  void openPty();

  int fd_ = -1;
  int slave_ = -1;
  std::string path_;
};

}  // namespace vorlan::sim
