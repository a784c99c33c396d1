// Server time of the language server, from a message's bytes to the bytes
// of what it sends back: the diagnostics after one keystroke (an incremental
// change inside a unit's attack, then the check and the publishing of its
// diagnostics), and a completion where an advance is expected; on the demo
// file and on generated files of 1 MB and 20 MB.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>

#include "app/lsp/server.h"
#include "generated_rules.h"
#include "rules/document/cp1252.h"

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kMegabyte = 1 << 20;
const char* const kUri = "file:///bench/rules.txt";

std::string DemoText() {
    std::ifstream in(fs::path(EXAMPLES_DIR) / "rules.txt", std::ios::binary);
    if (!in) throw std::runtime_error("cannot read the demo rules file");
    return rules::Cp1252ToUtf8(std::string(std::istreambuf_iterator<char>(in), {}));
}

std::string MegabytesText(std::size_t megabytes) {
    const std::size_t perLine = bench::GenerateRulesFile(4000).size() / 4000;
    return bench::GenerateRulesFile(megabytes * kMegabyte / perLine + 200);
}
std::string MegabyteText() { return MegabytesText(1); }

// A server with the text open, and the place of a unit's attack in it.
struct OpenServer {
    std::string sent;
    std::ostringstream log;
    lsp::Server server{[this](const lsp::Json& message) { sent += message.dump(); }, log};
    int line = 0;
    int attack = 0;  // the column just after the attack's digits
    int prereq = 0;  // the column where the unit's prerequisite starts

    explicit OpenServer(const std::string& text) {
        server.Handle({{"jsonrpc", "2.0"},
                       {"id", 1},
                       {"method", "initialize"},
                       {"params", {{"capabilities", lsp::Json::object()}}}});
        server.Handle({{"jsonrpc", "2.0"},
                       {"method", "textDocument/didOpen"},
                       {"params",
                        {{"textDocument",
                          {{"uri", kUri},
                           {"languageId", "ovantra-rules"},
                           {"version", 1},
                           {"text", text}}}}}});
        server.PublishWaitingDiagnostics();
        // The first unit line: its attack is the sixth field, its
        // prerequisite the thirteenth.
        const std::size_t units = text.find("\n@UNITS") + 1;
        line = static_cast<int>(std::count(
                   text.begin(), text.begin() + static_cast<std::ptrdiff_t>(units), '\n')) +
               1;
        const std::size_t start = text.find('\n', units) + 1;
        const std::string unit = text.substr(start, text.find('\n', start) - start);
        std::size_t comma = 0;
        for (int k = 0; k < 12; ++k) {
            comma = unit.find(',', comma) + 1;
            if (k == 5) attack = static_cast<int>(unit.rfind('a', comma));
        }
        prereq = static_cast<int>(unit.find_first_not_of(' ', comma));
    }
};

std::string Body(const lsp::Json& message) { return message.dump(); }

void Keystroke(benchmark::State& state, const std::string& text) {
    OpenServer open(text);
    int version = 1;
    for (auto _ : state) {
        // Typing a digit, then taking it back: every keystroke changes the table.
        const bool typing = version % 2 == 1;
        const lsp::Json change = {
            {"range",
             {{"start", {{"line", open.line}, {"character", open.attack}}},
              {"end", {{"line", open.line}, {"character", open.attack + (typing ? 0 : 1)}}}}},
            {"text", typing ? "7" : ""}};
        const std::string body = Body({{"jsonrpc", "2.0"},
                                       {"method", "textDocument/didChange"},
                                       {"params",
                                        {{"textDocument", {{"uri", kUri}, {"version", ++version}}},
                                         {"contentChanges", {change}}}}});
        open.sent.clear();
        open.server.Handle(lsp::Json::parse(body));
        open.server.PublishWaitingDiagnostics();
        benchmark::DoNotOptimize(open.sent);
    }
    state.counters["bytes"] = static_cast<double>(text.size());
}

// Every abbreviation offered: nothing typed yet.
void Completion(benchmark::State& state, const std::string& text) {
    OpenServer open(text);
    const std::string body =
        Body({{"jsonrpc", "2.0"},
              {"id", 2},
              {"method", "textDocument/completion"},
              {"params",
               {{"textDocument", {{"uri", kUri}}},
                {"position", {{"line", open.line}, {"character", open.prereq}}}}}});
    for (auto _ : state) {
        open.sent.clear();
        open.server.Handle(lsp::Json::parse(body));
        benchmark::DoNotOptimize(open.sent);
    }
    if (open.sent.find("\"items\"") == std::string::npos) state.SkipWithError("no completion");
    state.counters["bytes"] = static_cast<double>(text.size());
}

void BM_LspKeystrokeDiagnostics_Demo(benchmark::State& state) { Keystroke(state, DemoText()); }
void BM_LspCompletion_Demo(benchmark::State& state) { Completion(state, DemoText()); }
void BM_LspKeystrokeDiagnostics_1MB(benchmark::State& state) { Keystroke(state, MegabyteText()); }
void BM_LspCompletion_1MB(benchmark::State& state) { Completion(state, MegabyteText()); }
void BM_LspKeystrokeDiagnostics_20MB(benchmark::State& state) {
    Keystroke(state, MegabytesText(20));
}

}  // namespace

BENCHMARK(BM_LspKeystrokeDiagnostics_Demo)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LspCompletion_Demo)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LspKeystrokeDiagnostics_1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LspCompletion_1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LspKeystrokeDiagnostics_20MB)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
