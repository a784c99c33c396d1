#include "app/lsp/server.h"

#include <ostream>

#include "rules/check/check_kinds.h"
#include "rules/document/language.h"
#include "rules/language/diagnostics.h"

namespace lsp {

namespace {

constexpr int kMessageWarning = 2;
constexpr const char* kSettingsSection = "ovantra-rules";
constexpr const char* kSettingsRequest = "settings-";

// The value at a path of object keys, or null where the path breaks off.
Json Dig(const Json& value, std::initializer_list<const char*> path) {
    const Json* at = &value;
    for (const char* key : path) {
        if (!at->is_object()) return nullptr;
        const auto found = at->find(key);
        if (found == at->end()) return nullptr;
        at = &*found;
    }
    return *at;
}

rules::Language LanguageOfUri(const std::string& uri) {
    const std::string path = uri.substr(0, uri.find_first_of("?#"));
    const std::size_t slash = path.rfind('/');
    return rules::LanguageFromFileName(slash == std::string::npos ? path : path.substr(slash + 1))
        .value_or(rules::Language::English);
}

// Check names from a list, or from one text separated by commas as on the
// command line.
std::vector<std::string> Names(const Json& value) {
    std::vector<std::string> names;
    const auto add = [&](const std::string& text) {
        std::size_t start = 0;
        while (start <= text.size()) {
            std::size_t end = text.find(',', start);
            if (end == std::string::npos) end = text.size();
            if (end > start) names.push_back(text.substr(start, end - start));
            start = end + 1;
        }
    };
    if (value.is_string()) add(value.get<std::string>());
    if (value.is_array())
        for (const Json& item : value)
            if (item.is_string()) add(item.get<std::string>());
    return names;
}

}  // namespace

Server::Server(Send send, std::ostream& log) : send_(std::move(send)), log_(log) {}

void Server::Answer(const Json& id, Json result) {
    send_({{"jsonrpc", "2.0"}, {"id", id}, {"result", std::move(result)}});
}

void Server::Fail(const Json& id, int code, const std::string& message) {
    log_ << "ovantra-rules lsp: " << message << "\n";
    send_({{"jsonrpc", "2.0"}, {"id", id}, {"error", {{"code", code}, {"message", message}}}});
}

void Server::Notify(const std::string& method, Json params) {
    send_({{"jsonrpc", "2.0"}, {"method", method}, {"params", std::move(params)}});
}

void Server::ShowMessage(int type, const std::string& text) {
    log_ << "ovantra-rules lsp: " << text << "\n";
    Notify("window/showMessage", {{"type", type}, {"message", text}});
}

void Server::Unreadable(const std::string& why) {
    Fail(nullptr, error::kParseError, "unreadable message: " + why);
}

void Server::Handle(const Json& message) {
    if (state_ == State::Exited) return;
    if (!message.is_object())
        return Fail(nullptr, error::kInvalidRequest, "a message must be a JSON object");
    const auto id = message.find("id");
    const bool hasId = id != message.end();
    const bool goodId = hasId && (id->is_number_integer() || id->is_string());
    const Json answerTo = goodId ? *id : Json(nullptr);
    const auto method = message.find("method");
    if (method == message.end()) {
        if (goodId && (message.contains("result") || message.contains("error")))
            return Response(message);
        return Fail(answerTo, error::kInvalidRequest, "a message without a method");
    }
    if (!method->is_string())
        return Fail(answerTo, error::kInvalidRequest, "the method must be a string");
    if (hasId && !goodId)
        return Fail(nullptr, error::kInvalidRequest, "an id must be a number or a string");
    const auto params = message.find("params");
    const Json none = Json::object();
    const Json& given = params == message.end() || params->is_null() ? none : *params;
    if (hasId)
        Request(*id, method->get<std::string>(), given);
    else
        Notification(method->get<std::string>(), given);
}

void Server::Request(const Json& id, const std::string& method, const Json& params) {
    if (method == "initialize") {
        if (state_ != State::Starting)
            return Fail(id, error::kInvalidRequest, "initialize came twice");
        try {
            Json result = Initialize(params);
            state_ = State::Running;
            return Answer(id, std::move(result));
        } catch (const Json::exception& e) {
            return Fail(id, error::kInvalidParams, std::string("initialize: ") + e.what());
        }
    }
    if (state_ == State::Starting)
        return Fail(id, error::kServerNotInitialized, method + " before initialize");
    if (state_ == State::ShuttingDown)
        return Fail(id, error::kInvalidRequest, method + " after shutdown");
    if (method == "shutdown") {
        shutDown_ = true;
        state_ = State::ShuttingDown;
        waiting_.clear();
        return Answer(id, nullptr);
    }
    const Handler handler = DocumentHandler(method);
    if (handler == nullptr) return Fail(id, error::kMethodNotFound, "no method " + method);
    try {
        Answer(id, (this->*handler)(params));
    } catch (const Json::exception& e) {
        Fail(id, error::kInvalidParams, method + ": " + e.what());
    } catch (const RequestRefused& e) {
        Fail(id, error::kRequestFailed, e.what());
    } catch (const std::exception& e) {
        Fail(id, error::kInternalError, method + ": " + e.what());
    }
}

void Server::Notification(const std::string& method, const Json& params) {
    if (method == "exit") {
        exitReceived_ = true;
        state_ = State::Exited;
        return;
    }
    if (state_ != State::Running) return;  // before initialize, or after shutdown
    try {
        if (method == "initialized")
            AskForSettings();
        else if (method == "textDocument/didOpen")
            DidOpen(params);
        else if (method == "textDocument/didChange")
            DidChange(params);
        else if (method == "textDocument/didClose")
            DidClose(params);
        else if (method == "workspace/didChangeConfiguration") {
            const Json settings = Dig(params, {"settings"});
            if (settings.is_object() && settings.contains(kSettingsSection))
                TakeSettings(settings);
            else if (canAskForSettings_)
                AskForSettings();
            else
                TakeSettings(settings);
        }
        // Anything else ($/cancelRequest, didSave, ...) needs nothing.
    } catch (const std::exception& e) {
        log_ << "ovantra-rules lsp: " << method << ": " << e.what() << "\n";
    }
}

void Server::Response(const Json& message) {
    const Json& id = message["id"];
    if (message.contains("error")) {
        log_ << "ovantra-rules lsp: the client answered " << id.dump() << " with an error\n";
        return;
    }
    if (id.is_string() && id.get<std::string>().rfind(kSettingsRequest, 0) == 0) {
        const Json& result = message["result"];
        if (result.is_array() && !result.empty()) TakeSettings(result[0]);
    }
}

Json Server::Initialize(const Json& params) {
    const Json capabilities = Dig(params, {"capabilities"});
    const Json encodings = Dig(capabilities, {"general", "positionEncodings"});
    if (encodings.is_array())
        for (const Json& encoding : encodings)
            if (encoding == "utf-8") encoding_ = PositionEncoding::Utf8;
    documentChanges_ = Dig(capabilities, {"workspace", "workspaceEdit", "documentChanges"}) == true;
    hierarchicalSymbols_ = Dig(capabilities, {"textDocument", "documentSymbol",
                                              "hierarchicalDocumentSymbolSupport"}) == true;
    canAskForSettings_ = Dig(capabilities, {"workspace", "configuration"}) == true;
    if (const Json options = Dig(params, {"initializationOptions"}); options.is_object())
        TakeSettings(options);

    const bool prepareRename =
        Dig(capabilities, {"textDocument", "rename", "prepareSupport"}) == true;
    Json capabilitiesOffered = {
        {"positionEncoding", encoding_ == PositionEncoding::Utf8 ? "utf-8" : "utf-16"},
        {"textDocumentSync", {{"openClose", true}, {"change", 2}}},
        {"hoverProvider", true},
        {"definitionProvider", true},
        {"referencesProvider", true},
        {"completionProvider", {{"triggerCharacters", {","}}}},
        {"codeActionProvider", {{"codeActionKinds", {"quickfix"}}}},
        {"inlayHintProvider", true},
        {"codeLensProvider", {{"resolveProvider", false}}},
        {"documentSymbolProvider", true},
        {"documentFormattingProvider", true},
        {"renameProvider", prepareRename ? Json{{"prepareProvider", true}} : Json(true)},
        {"executeCommandProvider", {{"commands", {kShowReferences}}}},
    };
    return {{"capabilities", std::move(capabilitiesOffered)},
            {"serverInfo", {{"name", "ovantra-rules"}, {"version", RULES_EDITOR_VERSION}}}};
}

void Server::AskForSettings() {
    if (!canAskForSettings_) return;
    send_({{"jsonrpc", "2.0"},
           {"id", kSettingsRequest + std::to_string(nextRequest_++)},
           {"method", "workspace/configuration"},
           {"params", {{"items", Json::array({{{"section", kSettingsSection}}})}}}});
}

void Server::TakeSettings(const Json& given) {
    const Json settings =
        given.is_object() && given.contains(kSettingsSection) ? given[kSettingsSection] : given;
    if (!settings.is_object()) return;
    rules::CheckChoice choice;
    for (const auto& [key, names] :
         {std::pair{"disable", &choice.disabled}, std::pair{"enable", &choice.enabled}}) {
        for (const std::string& name : Names(Dig(settings, {key}))) {
            const rules::SwitchableCheck switchable = rules::CheckSwitchable(name);
            if (switchable == rules::SwitchableCheck::Unknown)
                ShowMessage(kMessageWarning, "ovantra-rules: the settings name no check '" + name +
                                                 "'; 'ovantra-rules --list-checks' lists them.");
            else if (switchable == rules::SwitchableCheck::AlwaysChecked)
                ShowMessage(kMessageWarning,
                            "ovantra-rules: '" + name + "' is an error, which is always checked.");
            else
                names->push_back(name);
        }
    }
    if (choice.disabled == choice_.disabled && choice.enabled == choice_.enabled) return;
    choice_ = std::move(choice);
    for (const auto& [uri, document] : documents_) waiting_.insert(uri);
}

Places Server::PlacesIn(const Document& document) const {
    return Places(document.text.Text(), encoding_);
}

const Server::Document* Server::Find(const Json& params) const {
    const auto found = documents_.find(params.at("textDocument").at("uri").get<std::string>());
    return found == documents_.end() ? nullptr : &found->second;
}

void Server::DidOpen(const Json& params) {
    const Json& item = params.at("textDocument");
    const std::string uri = item.at("uri").get<std::string>();
    documents_.insert_or_assign(
        uri, Document{rules::language::OpenDocument(LanguageOfUri(uri),
                                                    item.at("text").get<std::string>()),
                      item.value("version", 0)});
    waiting_.insert(uri);
}

void Server::DidChange(const Json& params) {
    const std::string uri = params.at("textDocument").at("uri").get<std::string>();
    const auto found = documents_.find(uri);
    if (found == documents_.end()) {
        log_ << "ovantra-rules lsp: a change of " << uri << ", which is not open\n";
        return;
    }
    Document& document = found->second;
    for (const Json& change : params.at("contentChanges")) {
        const std::string text = change.at("text").get<std::string>();
        if (const auto range = change.find("range"); range != change.end() && range->is_object()) {
            const TextRange where = PlacesIn(document).RangeOf(*range);
            document.text.Replace(where.start, where.end, text);
        } else {
            document.text.SetText(text);
        }
    }
    if (const Json version = Dig(params, {"textDocument", "version"}); version.is_number_integer())
        document.version = version.get<int>();
    waiting_.insert(uri);
}

void Server::DidClose(const Json& params) {
    const std::string uri = params.at("textDocument").at("uri").get<std::string>();
    documents_.erase(uri);
    waiting_.erase(uri);
    Notify("textDocument/publishDiagnostics", {{"uri", uri}, {"diagnostics", Json::array()}});
}

void Server::Publish(const std::string& uri) {
    const auto found = documents_.find(uri);
    if (found == documents_.end()) return;
    const Document& document = found->second;
    const Places places = PlacesIn(document);
    Json diagnostics = Json::array();
    for (const rules::language::Diagnostic& d : rules::language::Diagnose(document.text, choice_))
        diagnostics.push_back(DiagnosticJson(uri, places, d));
    Notify("textDocument/publishDiagnostics",
           {{"uri", uri}, {"version", document.version}, {"diagnostics", std::move(diagnostics)}});
}

void Server::PublishWaitingDiagnostics() {
    const std::set<std::string> uris = std::move(waiting_);
    waiting_.clear();
    for (const std::string& uri : uris) Publish(uri);
}

int Serve(ByteSource& in, std::ostream& out, std::ostream& log, ServeOptions options) {
    MessageReader reader(in);
    Server server(
        [&out](const Json& message) {
            WriteMessage(out, message.dump(-1, ' ', false, Json::error_handler_t::replace));
        },
        log);
    while (!server.Exited()) {
        if (server.DiagnosticsWaiting() && !reader.InputWaiting(options.debounceMs)) {
            server.PublishWaitingDiagnostics();
            continue;
        }
        const Frame frame = reader.Next();
        if (frame.kind == Frame::Kind::End) break;
        if (frame.kind == Frame::Kind::Problem) {
            server.Unreadable(frame.text);
            continue;
        }
        Json message = Json::parse(frame.text, nullptr, false);
        if (message.is_discarded()) {
            server.Unreadable("a message's body is no JSON");
            // A Content-Length that was too long swallowed the next message's
            // header: read on from there.
            if (const std::size_t next = FindContentLength(frame.text); next != std::string::npos)
                reader.Unread(std::string_view(frame.text).substr(next));
            continue;
        }
        server.Handle(message);
    }
    return server.ExitStatus();
}

}  // namespace lsp
