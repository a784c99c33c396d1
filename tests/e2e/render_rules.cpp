// Prints what the core renders for a rules file loaded and saved without
// edits; the end-to-end test compares the editor's saved file with it.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "rules/document/rules_document.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: render_rules <rules file> <language 0|1|2> <output>\n";
        return 2;
    }
    rules::RulesDocument document;
    const rules::Status status =
        document.Load(argv[1], rules::LanguageFromIndex(std::stoi(argv[2])));
    if (!status) {
        std::cerr << status.message << "\n";
        return 1;
    }
    document.Parse();
    const std::string bytes = document.SaveToBytes();
    std::ofstream out(argv[3], std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return out ? 0 : 1;
}
