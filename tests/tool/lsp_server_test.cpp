// The language server's protocol: whatever arrives, it answers with the
// protocol's errors and reads on; shutdown then exit ends it with 0; the
// columns it sends are in the code units the client and server agreed on.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/lsp/server.h"

namespace lsp {
namespace {

std::string Framed(const std::string& body) {
    return "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}
std::string Framed(const Json& message) { return Framed(message.dump()); }
std::string Framed(const char* body) { return Framed(std::string(body)); }

Json Call(int id, const std::string& method, Json params = Json::object()) {
    return {{"jsonrpc", "2.0"}, {"id", id}, {"method", method}, {"params", std::move(params)}};
}
Json Note(const std::string& method, Json params = Json::object()) {
    return {{"jsonrpc", "2.0"}, {"method", method}, {"params", std::move(params)}};
}

struct Session {
    int status = -1;
    std::vector<Json> messages;

    // The answer to request `id`, or null.
    Json To(int id) const {
        for (const Json& m : messages)
            if (m.contains("id") && m["id"] == id && !m.contains("method")) return m;
        return nullptr;
    }
    std::vector<int> ErrorCodes() const {
        std::vector<int> codes;
        for (const Json& m : messages)
            if (m.contains("error")) codes.push_back(m["error"]["code"].get<int>());
        return codes;
    }
};

// Runs the server on these bursts of bytes, each handed over a few at a
// time, the input quiet between them.
Session Served(std::vector<std::string> input) {
    TextSource source(std::move(input), 7);
    std::ostringstream out, log;
    Session session;
    session.status = Serve(source, out, log, {0});
    std::string rest = out.str();
    while (!rest.empty()) {
        const std::size_t blank = rest.find("\r\n\r\n");
        EXPECT_NE(blank, std::string::npos);
        if (blank == std::string::npos) break;
        const std::size_t length = std::stoul(rest.substr(rest.find(':') + 1));
        session.messages.push_back(Json::parse(rest.substr(blank + 4, length)));
        rest.erase(0, blank + 4 + length);
    }
    return session;
}

const std::string kInitialize = Framed(Call(1, "initialize", {{"capabilities", Json::object()}}));
const std::string kShutdownExit = Framed(Call(99, "shutdown")) + Framed(Note("exit"));

TEST(LspServer, BadInputGetsTheProtocolsErrorsAndTheServerReadsOn) {
    const std::string hover = Call(2, "textDocument/hover").dump();
    const Session session = Served(
        {Framed(Call(5, "textDocument/hover")) +         // before initialize
         Framed(Note("textDocument/didOpen")) +          // dropped before initialize
         kInitialize + Framed(Call(6, "initialize")) +   // twice
         Framed("{\"jsonrpc\": \"2.0\", \"id\": 7, ") +  // no JSON
         "Content-Length: " + std::to_string(hover.size() - 10) + "\r\n\r\n" + hover +  // too short
         "Content-Length: 12x\r\n\r\n" +                                                // no number
         "Content-Length: 999999999999\r\n\r\n" +                             // too long to take
         "garbage\r\n" +                                                      // no header
         Framed(Json::array({1, 2})) +                                        // no object
         Framed(Call(8, "textDocument/frobnicate")) +                         // unknown method
         Framed(Call(9, "textDocument/hover", {{"textDocument", 3}})) +       // wrong params
         Framed(Note("textDocument/didChange", {{"contentChanges", "x"}})) +  // ignored, logged
         Framed(Note("$/unknownNotification")) +
         Framed(Call(10, "textDocument/documentSymbol",
                     {{"textDocument", {{"uri", "file:///not/open.txt"}}}})) +
         // A length that runs into the next message: that message is read
         // again.
         "Content-Length: 60\r\n\r\n{\"jsonrpc\":\"2.0\",\"id\":11}" +
         Framed(Call(12, "shutdown")) + Framed(Call(13, "shutdown")) +
         Framed(Call(14, "textDocument/hover")) + Framed(Note("exit"))});

    EXPECT_EQ(session.To(5)["error"]["code"], error::kServerNotInitialized);
    EXPECT_TRUE(session.To(1).contains("result"));
    EXPECT_EQ(session.To(6)["error"]["code"], error::kInvalidRequest);
    EXPECT_EQ(session.To(8)["error"]["code"], error::kMethodNotFound);
    EXPECT_EQ(session.To(9)["error"]["code"], error::kInvalidParams);
    EXPECT_EQ(session.To(10)["result"], Json::array());
    EXPECT_EQ(session.To(12)["result"], nullptr);
    EXPECT_EQ(session.To(13)["error"]["code"], error::kInvalidRequest);  // after shutdown
    EXPECT_EQ(
        session.ErrorCodes(),
        (std::vector<int>{error::kServerNotInitialized, error::kInvalidRequest, error::kParseError,
                          error::kParseError, error::kParseError, error::kParseError,
                          error::kParseError, error::kParseError, error::kInvalidRequest,
                          error::kMethodNotFound, error::kInvalidParams, error::kParseError,
                          error::kInvalidRequest, error::kInvalidRequest}));
    EXPECT_EQ(session.status, 0);
}

TEST(LspServer, EndsWithOneOnlyAfterShutdownThenExit) {
    EXPECT_EQ(Served({kInitialize + kShutdownExit}).status, 0);
    EXPECT_EQ(Served({kInitialize + Framed(Note("exit"))}).status, 1);  // no shutdown
    EXPECT_EQ(Served({kInitialize}).status, 1);                         // the input ended
    EXPECT_EQ(Served({kInitialize + kShutdownExit + Framed(Call(3, "shutdown"))}).messages.size(),
              2u);
}

// The column of the diagnostic after "Forêt Été", and the check's settings.
Session DiagnoseNames(const Json& capabilities, const Json& options) {
    const std::string text =
        "Invented rules\n@CIVILIZE\nFor\xC3\xAAt \xC3\x89t\xC3\xA9, 1, 0, Zzz, nil, 0, 1 ; Fet\n"
        "For\xC3\xAAt \xC3\x89t\xC3\xA9, 1, 0, nil, nil, 0, 1 ; Fe2\n;\n";
    const Json open = Note("textDocument/didOpen", {{"textDocument",
                                                     {{"uri", "file:///mods/rules.txt"},
                                                      {"languageId", "ovantra-rules"},
                                                      {"version", 4},
                                                      {"text", text}}}});
    return Served(
        {Framed(Call(1, "initialize",
                     {{"capabilities", capabilities}, {"initializationOptions", options}})) +
             Framed(Note("initialized")) + Framed(open),
         kShutdownExit});
}

TEST(LspServer, ColumnsInTheAgreedEncodingAndChecksAsTheSettingsSay) {
    const auto published = [](const Session& session) {
        for (const Json& m : session.messages)
            if (m.value("method", "") == "textDocument/publishDiagnostics") return m["params"];
        return Json();
    };
    const Session utf16 = DiagnoseNames(Json::object(), Json::object());
    EXPECT_EQ(utf16.To(1)["result"]["capabilities"]["positionEncoding"], "utf-16");
    const Json diagnostics = published(utf16)["diagnostics"];
    ASSERT_EQ(diagnostics.size(), 4u);  // unknown, no cosmic and no units section, same name
    EXPECT_EQ(diagnostics[0]["code"], "unknown-advance");
    EXPECT_EQ(diagnostics[0]["source"], "ovantra-rules");
    EXPECT_EQ(diagnostics[0]["range"]["start"]["character"], 17);
    EXPECT_EQ(published(utf16)["version"], 4);

    const Session utf8 = DiagnoseNames({{"general", {{"positionEncodings", {"utf-16", "utf-8"}}}}},
                                       {{"disable", {"same-name", "no-such-check"}}});
    EXPECT_EQ(utf8.To(1)["result"]["capabilities"]["positionEncoding"], "utf-8");
    const Json fewer = published(utf8)["diagnostics"];
    ASSERT_EQ(fewer.size(), 3u);
    EXPECT_EQ(fewer[0]["range"]["start"]["character"], 20);
    // The unknown name is said, not taken.
    EXPECT_EQ(utf8.messages.at(0).value("method", ""), "window/showMessage");
}

}  // namespace
}  // namespace lsp
