#include "tests/scenario/setup_files.h"

#include <fstream>
#include <sstream>

namespace scenario {

namespace {

bool IsAbsolute(const std::string& path) {
    return (!path.empty() && (path[0] == '/' || path[0] == '\\')) ||
           (path.size() >= 2 && path[1] == ':');
}

}  // namespace

std::string PathInDir(const std::string& word, const std::string& dir) {
    const std::string path = ReplaceDir(word, dir);
    return IsAbsolute(path) ? path : dir + path;
}

bool WriteSetupFiles(const Setup& setup, const std::string& dir) {
    for (const FileSetup& file : setup.files) {
        std::ofstream out(PathInDir(file.name, dir), std::ios::binary | std::ios::trunc);
        out.write(file.bytes.data(), static_cast<std::streamsize>(file.bytes.size()));
        if (!out)
            return false;
    }
    return true;
}

std::string ResultPath(const Setup& setup, const std::string& dir) {
    const std::string args = ReplaceDir(setup.args, dir);
    const std::string first = args.substr(0, args.find(' '));
    return first.empty() ? first : PathInDir(first, dir);
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

}  // namespace scenario
