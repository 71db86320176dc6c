#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

// A FILE* that collects what is written to it, for testing printed output.
class OutputCapture {
public:
  OutputCapture() : file_(open_memstream(&buffer_, &size_)) {}
  ~OutputCapture() {
    std::fclose(file_);
    std::free(buffer_);
  }
  OutputCapture(const OutputCapture &) = delete;
  OutputCapture &operator=(const OutputCapture &) = delete;

  std::FILE *file() { return file_; }
  std::string text() {
    std::fflush(file_);
    return std::string(buffer_, size_);
  }

private:
  char *buffer_ = nullptr;
  std::size_t size_ = 0;
  std::FILE *file_;
};

// A FILE* that reads the given text.
class InputText {
public:
  explicit InputText(std::string text)
      : text_(std::move(text)), file_(fmemopen(text_.data(), text_.size(), "r")) {}
  ~InputText() { std::fclose(file_); }
  InputText(const InputText &) = delete;
  InputText &operator=(const InputText &) = delete;

  std::FILE *file() { return file_; }

private:
  std::string text_;
  std::FILE *file_;
};

// Runs `action` with standard output captured and returns what it printed.
template <typename Action> std::string captureStdout(Action action) {
  std::fflush(stdout);
  std::FILE *saved = stdout;
  OutputCapture capture;
  stdout = capture.file();
  action();
  stdout = saved;
  return capture.text();
}
