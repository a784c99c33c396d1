#include "app/tool/check_formats.h"

#include <algorithm>
#include <ostream>
#include <string_view>

#include "app/tool/json_text.h"
#include "rules/check/check_kinds.h"
#include "rules/document/cp1252.h"

namespace tool {

namespace {

// What a relative name in the log is relative to: the working directory,
// given in the run's originalUriBaseIds.
constexpr const char* kSourceRoot = "%SRCROOT%";

// A path as the path of a URI: every byte a URI may not hold unescaped is
// percent-encoded ("/" stays), so that any name, UTF-8 or not, gives a
// valid URI, and a relative name's first segment never reads as a scheme.
std::string UriPath(std::string_view path) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string uri;
    for (const char c : path) {
        const auto b = static_cast<unsigned char>(c);
        const bool plain = (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') ||
                           (b >= '0' && b <= '9') ||
                           std::string_view("-._~/").find(c) != std::string_view::npos;
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

bool IsAbsolute(const std::string& name) { return !name.empty() && name.front() == '/'; }

// An absolute name as a file URI; a relative one stays relative, to the
// working directory.
Json ArtifactLocation(const std::string& name) {
    if (IsAbsolute(name)) return {{"uri", "file://" + UriPath(name)}};
    return {{"uri", UriPath(name)}, {"uriBaseId", kSourceRoot}};
}

const char* Level(rules::Severity severity) { return rules::SeverityName(severity); }

void WriteTextLine(std::ostream& out, const std::string& file, const rules::Problem& problem) {
    out << file;
    if (problem.line >= 0) out << ":" << problem.line + 1;
    out << ": " << Level(problem.severity) << ": " << problem.text << " [" << problem.check
        << "]\n";
}

Json LineNumber(int line) { return line >= 0 ? Json(line + 1) : Json(nullptr); }

Json JsonProblem(const std::string& file, const rules::Problem& problem) {
    Json entry = {{"file", rules::ValidUtf8(file)},
                  {"line", LineNumber(problem.line)},
                  {"severity", Level(problem.severity)},
                  {"check", problem.check},
                  {"message", problem.text}};
    if (problem.severity != rules::Severity::Note) {
        entry["notes"] = Json::array();
        for (const rules::Problem& note : problem.notes)
            entry["notes"].push_back(JsonProblem(file, note));
    }
    return entry;
}

Json SarifLocation(const std::string& file, int line) {
    Json location = {{"artifactLocation", ArtifactLocation(file)}};
    if (line >= 0) location["region"] = {{"startLine", line + 1}};
    return {{"physicalLocation", location}};
}

Json SarifResult(const std::string& file, const rules::Problem& problem) {
    const auto& kinds = rules::CheckKinds();
    const auto kind = std::find_if(kinds.begin(), kinds.end(), [&](const rules::CheckKind& k) {
        return problem.check == k.name;
    });
    Json result = {{"ruleId", problem.check}};
    if (kind != kinds.end()) result["ruleIndex"] = kind - kinds.begin();
    result["level"] = Level(problem.severity);
    result["message"] = {{"text", problem.text}};
    result["locations"] = Json::array({SarifLocation(file, problem.line)});
    if (!problem.notes.empty()) {
        Json related = Json::array();
        for (std::size_t n = 0; n < problem.notes.size(); ++n) {
            Json location = SarifLocation(file, problem.notes[n].line);
            location["id"] = n + 1;
            location["message"] = {{"text", problem.notes[n].text}};
            related.push_back(std::move(location));
        }
        result["relatedLocations"] = std::move(related);
    }
    return result;
}

// A text in both forms SARIF viewers show.
Json MessageString(const std::string& markdown) {
    return {{"text", rules::PlainText(markdown)}, {"markdown", markdown}};
}

Json SarifRule(const rules::CheckKind& kind) {
    return {
        {"id", kind.name},
        {"shortDescription", {{"text", kind.sentence}}},
        {"fullDescription", MessageString(kind.description)},
        {"help", MessageString(std::string(kind.description) + "\n\n" + kind.remedy)},
        {"defaultConfiguration", {{"level", Level(kind.severity)}, {"enabled", kind.onByDefault}}}};
}

// What happened to the run as a whole: whether every file could be read,
// and why the ones that could not.
Json SarifInvocation(const std::vector<CheckedFile>& files, int exitStatus) {
    Json notifications = Json::array();
    for (const CheckedFile& file : files) {
        if (file.failure.empty()) continue;
        notifications.push_back({{"level", "error"},
                                 {"message", {{"text", rules::ValidUtf8(file.failure)}}},
                                 {"locations", Json::array({SarifLocation(file.name, -1)})}});
    }
    Json invocation = {{"executionSuccessful", notifications.empty()}, {"exitCode", exitStatus}};
    if (!notifications.empty()) invocation["toolExecutionNotifications"] = std::move(notifications);
    return invocation;
}

}  // namespace

void WriteCheckText(std::ostream& out, const CheckedFile& file) {
    for (const rules::Problem& problem : file.problems) {
        WriteTextLine(out, file.name, problem);
        for (const rules::Problem& note : problem.notes) WriteTextLine(out, file.name, note);
    }
}

void WriteCheckJson(std::ostream& out, const std::vector<CheckedFile>& files) {
    Json entries = Json::array();
    for (const CheckedFile& file : files) {
        if (!file.failure.empty()) {
            entries.push_back({{"file", rules::ValidUtf8(file.name)},
                               {"line", nullptr},
                               {"severity", Level(rules::Severity::Error)},
                               {"check", nullptr},
                               {"message", rules::ValidUtf8(file.failure)},
                               {"notes", Json::array()}});
        }
        for (const rules::Problem& problem : file.problems)
            entries.push_back(JsonProblem(file.name, problem));
    }
    out << JsonLines(entries);
}

void WriteCheckSarif(std::ostream& out, const std::vector<CheckedFile>& files,
                     const std::string& directory, int exitStatus) {
    Json rules = Json::array();
    for (const rules::CheckKind& kind : rules::CheckKinds()) rules.push_back(SarifRule(kind));
    Json run = {
        {"tool",
         {{"driver",
           {{"name", "ovantra-rules"}, {"version", RULES_EDITOR_VERSION}, {"rules", rules}}}}}};
    run["invocations"] = Json::array({SarifInvocation(files, exitStatus)});
    if (std::any_of(files.begin(), files.end(),
                    [](const CheckedFile& file) { return !IsAbsolute(file.name); })) {
        std::string root = directory;
        if (root.empty() || root.back() != '/') root += '/';
        run["originalUriBaseIds"] = {{kSourceRoot, {{"uri", "file://" + UriPath(root)}}}};
    }
    // A note is a result of its own, of level "note", as well as a related
    // location of its cause: services that list results show it, and those
    // that follow related locations find it from the cause.
    Json results = Json::array();
    for (const CheckedFile& file : files) {
        for (const rules::Problem& problem : file.problems) {
            results.push_back(SarifResult(file.name, problem));
            for (const rules::Problem& note : problem.notes)
                results.push_back(SarifResult(file.name, note));
        }
    }
    run["results"] = std::move(results);
    const Json log = {{"$schema", "https://json.schemastore.org/sarif-2.1.0.json"},
                      {"version", "2.1.0"},
                      {"runs", Json::array({std::move(run)})}};
    out << JsonIndented(log);
}

void WriteCheckList(std::ostream& out) {
    std::size_t width = 0;
    for (const rules::CheckKind& kind : rules::CheckKinds())
        width = std::max(width, std::string(kind.name).size());
    for (const rules::CheckKind& kind : rules::CheckKinds()) {
        std::string name = kind.name;
        name.resize(width + 2, ' ');
        std::string severity = Level(kind.severity);
        severity.resize(9, ' ');
        out << name << severity << (kind.onByDefault ? "on   " : "off  ") << kind.sentence << "\n";
    }
}

}  // namespace tool
