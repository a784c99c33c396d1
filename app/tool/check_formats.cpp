#include "app/tool/check_formats.h"

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <string_view>

#include "app/tool/json_text.h"
#include "rules/check/check_kinds.h"

namespace tool {

namespace {


// A file name as a relative URI reference: what a URI may not hold
// unescaped is percent-encoded, "/" stays.
std::string FileUri(const std::string& name) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string uri;
    for (const char c : name) {
        const auto b = static_cast<unsigned char>(c);
        const bool plain = (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') ||
                           (b >= '0' && b <= '9') || std::string_view("-._~/").find(c) !=
                                                         std::string_view::npos;
        if (plain) {
            uri += c;
        } else {
            uri += '%';
            uri += kHex[b >> 4];
            uri += kHex[b & 15];
        }
    }
    return uri;
}

void WriteTextLine(std::ostream& out, const std::string& file, const rules::Problem& problem) {
    out << file;
    if (problem.line >= 0) out << ":" << problem.line + 1;
    out << ": " << rules::SeverityName(problem.severity) << ": " << problem.text << " ["
        << problem.check << "]\n";
}

std::string JsonProblem(const std::string& file, const rules::Problem& problem) {
    std::string out = "{\"file\": " + JsonString(file) + ", \"line\": " +
                      (problem.line >= 0 ? std::to_string(problem.line + 1) : "null") +
                      ", \"severity\": \"" + rules::SeverityName(problem.severity) +
                      "\", \"check\": " + JsonString(problem.check) +
                      ", \"message\": " + JsonString(problem.text);
    if (problem.severity != rules::Severity::Note) {
        out += ", \"notes\": [";
        for (std::size_t n = 0; n < problem.notes.size(); ++n)
            out += (n ? ", " : "") + JsonProblem(file, problem.notes[n]);
        out += "]";
    }
    return out + "}";
}

std::string SarifLocation(const std::string& file, int line) {
    std::string out = "\"physicalLocation\": {\"artifactLocation\": {\"uri\": " +
                      JsonString(FileUri(file)) + "}";
    if (line >= 0) out += ", \"region\": {\"startLine\": " + std::to_string(line + 1) + "}";
    return out + "}";
}

std::string SarifResult(const std::string& file, const rules::Problem& problem) {
    const auto& kinds = rules::CheckKinds();
    const auto kind = std::find_if(kinds.begin(), kinds.end(), [&](const rules::CheckKind& k) {
        return problem.check == k.name;
    });
    std::string out = "{\"ruleId\": " + JsonString(problem.check);
    if (kind != kinds.end()) out += ", \"ruleIndex\": " + std::to_string(kind - kinds.begin());
    out += std::string(", \"level\": \"") + rules::SeverityName(problem.severity) +
           "\", \"message\": {\"text\": " + JsonString(problem.text) + "}, \"locations\": [{" +
           SarifLocation(file, problem.line) + "}]";
    if (!problem.notes.empty()) {
        out += ", \"relatedLocations\": [";
        for (std::size_t n = 0; n < problem.notes.size(); ++n) {
            const rules::Problem& note = problem.notes[n];
            out += (n ? ", " : "") + std::string("{\"id\": ") + std::to_string(n + 1) + ", " +
                   SarifLocation(file, note.line) + ", \"message\": {\"text\": " +
                   JsonString(note.text) + "}}";
        }
        out += "]";
    }
    return out + "}";
}

}  // namespace

void WriteCheckText(std::ostream& out, const CheckedFile& file) {
    for (const rules::Problem& problem : file.problems) {
        WriteTextLine(out, file.name, problem);
        for (const rules::Problem& note : problem.notes) WriteTextLine(out, file.name, note);
    }
}

void WriteCheckJson(std::ostream& out, const std::vector<CheckedFile>& files) {
    out << "[";
    bool first = true;
    for (const CheckedFile& file : files) {
        for (const rules::Problem& problem : file.problems) {
            out << (first ? "\n  " : ",\n  ") << JsonProblem(file.name, problem);
            first = false;
        }
    }
    out << (first ? "]\n" : "\n]\n");
}

void WriteCheckSarif(std::ostream& out, const std::vector<CheckedFile>& files) {
    out << "{\n  \"$schema\": \"https://json.schemastore.org/sarif-2.1.0.json\",\n"
           "  \"version\": \"2.1.0\",\n"
           "  \"runs\": [{\n"
           "    \"tool\": {\"driver\": {\"name\": \"ovantra-rules\", \"version\": \"" RULES_EDITOR_VERSION
           "\", \"rules\": [";
    const auto& kinds = rules::CheckKinds();
    for (std::size_t k = 0; k < kinds.size(); ++k) {
        out << (k ? ",\n" : "\n") << "      {\"id\": " << JsonString(kinds[k].name)
            << ", \"shortDescription\": {\"text\": " << JsonString(kinds[k].sentence)
            << "}, \"defaultConfiguration\": {\"level\": \""
            << rules::SeverityName(kinds[k].severity) << "\", \"enabled\": "
            << (kinds[k].onByDefault ? "true" : "false") << "}}";
    }
    out << "]}},\n    \"results\": [";
    bool first = true;
    // A note is a result of its own, of level "note", as well as a related
    // location of its cause: services that list results show it, and those
    // that follow related locations find it from the cause.
    for (const CheckedFile& file : files) {
        for (const rules::Problem& problem : file.problems) {
            out << (first ? "\n      " : ",\n      ") << SarifResult(file.name, problem);
            first = false;
            for (const rules::Problem& note : problem.notes)
                out << ",\n      " << SarifResult(file.name, note);
        }
    }
    out << (first ? "]\n" : "\n    ]\n") << "  }]\n}\n";
}

void WriteCheckList(std::ostream& out) {
    std::size_t width = 0;
    for (const rules::CheckKind& kind : rules::CheckKinds())
        width = std::max(width, std::string(kind.name).size());
    for (const rules::CheckKind& kind : rules::CheckKinds()) {
        std::string name = kind.name;
        name.resize(width + 2, ' ');
        std::string severity = rules::SeverityName(kind.severity);
        severity.resize(9, ' ');
        out << name << severity << (kind.onByDefault ? "on   " : "off  ") << kind.sentence
            << "\n";
    }
}

}  // namespace tool
