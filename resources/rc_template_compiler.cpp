// Build step of the native build: turns the tool's resource script into the template table of the
// in-memory UI backend, so that both backends build their dialogs from the one script.
//
//   rc_template_compiler <script.rc> <ids header>... <output.cpp>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <system_error>

#include "resources/rc_script_parser.h"
#include "resources/template_table_writer.h"

namespace {

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw resource_script::ScriptError(path.string() + ": error: cannot open");
    }
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
        throw resource_script::ScriptError(path.string() + ": error: cannot write");
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::cerr << "usage: rc_template_compiler <script.rc> <ids header>... <output.cpp>\n";
        return 2;
    }
    const std::filesystem::path script = argv[1];
    const std::filesystem::path output = argv[argc - 1];
    try {
        resource_script::SymbolTable symbols;
        for (int i = 2; i < argc - 1; ++i) {
            const std::filesystem::path header = argv[i];
            symbols.merge(resource_script::ReadHeaderDefines(ReadFile(header), header.string()));
        }
        const auto parsed =
            resource_script::ParseResourceScript(ReadFile(script), script.string(), symbols);
        WriteFile(output, resource_script::WriteTemplateTable(parsed, script.filename().string()));
    } catch (const resource_script::ScriptError& error) {
        std::error_code ignored;
        std::filesystem::remove(output, ignored);
        std::cerr << error.what() << "\n";
        return 1;
    }
    return 0;
}
