#include "ui/headless/stdio_readable_file.h"

#include <sys/stat.h>

#include <cstdio>

namespace ui::headless {

namespace {

class StdioReadableFile : public ReadableFile {
  public:
    explicit StdioReadableFile(std::FILE* file) : file_(file) {}
    ~StdioReadableFile() override { std::fclose(file_); }
    StdioReadableFile(const StdioReadableFile&) = delete;
    StdioReadableFile& operator=(const StdioReadableFile&) = delete;

    std::optional<std::uint64_t> Size() override {
        struct stat status;
        if (fstat(fileno(file_), &status) != 0 || status.st_size < 0) {
            return std::nullopt;
        }
        return static_cast<std::uint64_t>(status.st_size);
    }

    std::size_t Read(char* into, std::size_t length) override {
        return std::fread(into, 1, length, file_);
    }

    bool IsRegular() const {
        struct stat status;
        return fstat(fileno(file_), &status) == 0 && S_ISREG(status.st_mode);
    }

  private:
    std::FILE* file_;
};

}  // namespace

std::unique_ptr<ReadableFile> OpenStdioFile(const std::string& path) {
    std::FILE* opened = std::fopen(path.c_str(), "rb");
    if (opened == nullptr) {
        return nullptr;
    }
    auto file = std::make_unique<StdioReadableFile>(opened);
    if (!file->IsRegular()) {
        return nullptr;
    }
    return file;
}

}  // namespace ui::headless
