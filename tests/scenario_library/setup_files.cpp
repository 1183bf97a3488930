#include "tests/scenario_library/setup_files.h"

#include <filesystem>
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
        const std::filesystem::path path(PathInDir(file.name, dir));
        // A name with a folder in it makes that folder.
        std::error_code ignored;
        std::filesystem::create_directories(path.parent_path(), ignored);
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(file.bytes.data(), static_cast<std::streamsize>(file.bytes.size()));
        if (!out)
            return false;
    }
    return true;
}

std::string ToolArguments(const Setup& setup, const std::string& dir) {
    const std::string args = ReplaceDir(setup.args, dir);
    std::size_t start = 0;
    while (start < args.size() && static_cast<unsigned char>(args[start]) <= ' ')
        ++start;
    return args.substr(start);
}

std::string ResultPath(const Setup& setup, const std::string& dir) {
    const std::string args = ToolArguments(setup, dir);
    std::string first;
    if (!args.empty() && args.front() == '"') {
        const std::size_t closing = args.find('"', 1);
        first = args.substr(1, closing == std::string::npos ? closing : closing - 1);
    } else {
        first = args.substr(0, args.find(' '));
    }
    return first.empty() ? first : PathInDir(first, dir);
}

std::optional<Mismatch> CheckSetupFile(const Statement& statement, const Setup& setup,
                                       const std::string& dir) {
    if (statement.verb != "expect" || statement.words.size() != 3 || statement.words[0] != "file")
        return std::nullopt;
    const std::string& name = statement.words[1];
    for (const FileSetup& file : setup.files) {
        if (file.name != name)
            continue;
        const std::optional<std::string> now = ReadFileBytes(PathInDir(name, dir));
        if (now == file.bytes)
            return std::nullopt;
        return Mismatch{
            "file " + QuoteWord(name) + " unchanged",
            now ? "changed, " + std::to_string(now->size()) + " bytes" : "no such file"};
    }
    return Mismatch{"file " + QuoteWord(name) + " unchanged", "no such file in the setup"};
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
