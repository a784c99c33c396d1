#pragma once

// `ovantra-rules lsp`: the language server. This layer only speaks the
// protocol (JSON-RPC messages, the life cycle, the client's settings and
// position encoding); every answer is computed by rules/language.

#include <functional>
#include <iosfwd>
#include <map>
#include <set>
#include <stdexcept>
#include <string>

#include "app/lsp/message_stream.h"
#include "app/lsp/protocol_json.h"
#include "rules/check/check_kinds.h"
#include "rules/language/open_document.h"

namespace lsp {

// The protocol's error codes.
namespace error {
inline constexpr int kParseError = -32700;
inline constexpr int kInvalidRequest = -32600;
inline constexpr int kMethodNotFound = -32601;
inline constexpr int kInvalidParams = -32602;
inline constexpr int kInternalError = -32603;
inline constexpr int kServerNotInitialized = -32002;
inline constexpr int kRequestFailed = -32803;
}  // namespace error

// A request that cannot be done, with the reason the user is shown.
struct RequestRefused : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Server {
  public:
    using Send = std::function<void(const Json& message)>;
    Server(Send send, std::ostream& log);

    // One message as received; anything that is no JSON-RPC message of the
    // protocol is answered with its error.
    void Handle(const Json& message);
    // A message that could not be read (no JSON, no frame): answered with a
    // parse error, as the protocol wants for a request whose id is unknown.
    void Unreadable(const std::string& why);

    bool Exited() const { return state_ == State::Exited; }
    // 0 after shutdown then exit, 1 when the input ended or exit came first.
    int ExitStatus() const { return shutDown_ && exitReceived_ ? 0 : 1; }

    // Diagnostics wait until the client stops typing for a moment.
    bool DiagnosticsWaiting() const { return !waiting_.empty(); }
    void PublishWaitingDiagnostics();

  private:
    enum class State { Starting, Running, ShuttingDown, Exited };
    struct Document {
        rules::language::OpenDocument text;
        int version = 0;
    };
    using Handler = Json (Server::*)(const Json& params);

    void Request(const Json& id, const std::string& method, const Json& params);
    void Notification(const std::string& method, const Json& params);
    void Response(const Json& message);
    void Answer(const Json& id, Json result);
    void Fail(const Json& id, int code, const std::string& message);
    void Notify(const std::string& method, Json params);
    void ShowMessage(int type, const std::string& text);

    Json Initialize(const Json& params);
    void TakeSettings(const Json& settings);
    void AskForSettings();
    void Publish(const std::string& uri);

    void DidOpen(const Json& params);
    void DidChange(const Json& params);
    void DidClose(const Json& params);

    // Requests about a document (text_document_requests.cpp).
    static Handler DocumentHandler(const std::string& method);
    Json HoverRequest(const Json& params);
    Json DefinitionRequest(const Json& params);
    Json ReferencesRequest(const Json& params);
    Json CompletionRequest(const Json& params);
    Json CodeActionRequest(const Json& params);
    Json InlayHintRequest(const Json& params);
    Json CodeLensRequest(const Json& params);
    Json SymbolRequest(const Json& params);
    Json PrepareRenameRequest(const Json& params);
    Json RenameRequest(const Json& params);
    Json FormattingRequest(const Json& params);
    Json ExecuteCommandRequest(const Json& params);

    // The document a request names; nullptr when it is not open.
    const Document* Find(const Json& params) const;
    Places PlacesIn(const Document& document) const;

    Send send_;
    std::ostream& log_;
    State state_ = State::Starting;
    bool shutDown_ = false;
    bool exitReceived_ = false;
    PositionEncoding encoding_ = PositionEncoding::Utf16;
    bool documentChanges_ = false;
    bool hierarchicalSymbols_ = false;
    bool canAskForSettings_ = false;
    rules::CheckChoice choice_;
    std::map<std::string, Document> documents_;
    std::set<std::string> waiting_;
    int nextRequest_ = 1;
};

struct ServeOptions {
    // How long the input must stay quiet before diagnostics are sent.
    int debounceMs = 50;
};

// Reads messages until exit or the end of the input, answering each on
// `out`; logs go to `log`. Returns the exit status.
int Serve(ByteSource& in, std::ostream& out, std::ostream& log, ServeOptions options = {});

}  // namespace lsp
