#pragma once

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include <unistd.h>

// A file with the given bytes in the system's temporary folder, removed again at the end.
class TempFile {
  public:
    explicit TempFile(std::string_view bytes) {
        static int serial = 0;
        path_ =
            (std::filesystem::temp_directory_path() /
             ("unit_test_" + std::to_string(::getpid()) + "_" + std::to_string(++serial) + ".csv"))
                .string();
        std::ofstream(path_, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    ~TempFile() { std::remove(path_.c_str()); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    const std::string& path() const { return path_; }

  private:
    std::string path_;
};
