// libFuzzer target for the language server: arbitrary client input, framed
// or not, through the whole server (framing, dispatch, and every request
// over whatever text the client opened). Besides the sanitizers' checks it
// asserts that every message the server writes is framed JSON-RPC and that
// it ends with status 0 or 1.
//
// The input is split at 0x1E bytes into pieces, each handed over as one
// burst of input with a quiet moment after it (so diagnostics are sent). A
// piece starting with "!" goes as it stands; any other is framed with its
// correct Content-Length, so that the fuzzer reaches the requests too.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "app/lsp/server.h"

namespace {

[[noreturn]] void Violation(const char* what) {
    std::fprintf(stderr, "lsp_fuzz: %s\n", what);
    std::abort();
}

std::vector<std::string> Bursts(std::string_view input) {
    std::vector<std::string> bursts;
    std::size_t start = 0;
    while (start <= input.size()) {
        std::size_t end = input.find('\x1e', start);
        if (end == std::string_view::npos) end = input.size();
        const std::string_view piece = input.substr(start, end - start);
        if (!piece.empty() && piece.front() == '!')
            bursts.emplace_back(piece.substr(1));
        else
            bursts.push_back("Content-Length: " + std::to_string(piece.size()) + "\r\n\r\n" +
                             std::string(piece));
        start = end + 1;
    }
    return bursts;
}

void CheckOutput(const std::string& output) {
    std::size_t at = 0;
    while (at < output.size()) {
        const std::size_t blank = output.find("\r\n\r\n", at);
        if (blank == std::string::npos || output.compare(at, 16, "Content-Length: ") != 0)
            Violation("an answer is not framed");
        const std::size_t length = std::strtoul(output.c_str() + at + 16, nullptr, 10);
        if (blank + 4 + length > output.size())
            Violation("an answer is shorter than its Content-Length");
        const lsp::Json message =
            lsp::Json::parse(output.substr(blank + 4, length), nullptr, false);
        if (message.is_discarded() || !message.is_object() || message.value("jsonrpc", "") != "2.0")
            Violation("an answer is not JSON-RPC");
        at = blank + 4 + length;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    lsp::TextSource source(Bursts(input), 1 + size % 61);
    std::ostringstream out, log;
    const int status = lsp::Serve(source, out, log, {0});
    if (status != 0 && status != 1) Violation("the exit status is neither 0 nor 1");
    CheckOutput(out.str());
    return 0;
}
