// The floor of the reader race: one read of the whole file and a memchr pass for its line ends.
// With --fill BYTES it then also writes that many bytes of fresh memory, as the reader fills its
// candidate array, so that the race can tell the cost of that memory from the cost of parsing.
// Prints the number of line feeds.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include <sys/stat.h>

#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    std::size_t fillBytes = 0;
    if (argc == 4 && std::string(argv[1]) == "--fill") {
        fillBytes = std::strtoull(argv[2], nullptr, 10);
        argv += 2;
        argc -= 2;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: floor_read_process [--fill BYTES] FILE\n");
        return 2;
    }
    std::FILE* file = std::fopen(argv[1], "rb");
    struct stat status;
    if (file == nullptr || fstat(fileno(file), &status) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    const auto size = static_cast<std::size_t>(status.st_size);
    const std::unique_ptr<char[]> bytes(new char[size + 1]);
    const std::size_t read = std::fread(bytes.get(), 1, size, file);
    std::fclose(file);
    std::size_t feeds = 0;
    const char* at = bytes.get();
    const char* const end = at + read;
    while (const void* feed = std::memchr(at, '\n', static_cast<std::size_t>(end - at))) {
        ++feeds;
        at = static_cast<const char*>(feed) + 1;
    }
    if (fillBytes != 0) {
        const std::unique_ptr<char[]> filled(new char[fillBytes]);
        std::memset(filled.get(), 0x5A, fillBytes);
        benchmark::DoNotOptimize(filled.get());
        benchmark::ClobberMemory();
    }
    std::printf("%zu\n", feeds);
    return 0;
}
