#pragma once

// Scratch folders and small file helpers for the core tests.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "rules/document/line_store.h"
#include "rules/document/rules_document.h"

namespace rules::testing {

// A fresh, empty folder under the system's temp folder, removed again when
// the object goes away.
class ScratchDir {
  public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

// A line store holding these bytes.
LineStore StoreOf(std::string_view bytes);
// An English rules document read from these bytes.
RulesDocument DocumentOf(std::string_view bytes);

void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);
// The text with the first `from` in it replaced by `to` (which must be there).
std::string Replaced(std::string text, std::string_view from, std::string_view to);

// Changes the working directory for the lifetime of the object.
class WorkingDir {
  public:
    explicit WorkingDir(const std::filesystem::path& path);
    ~WorkingDir();
    WorkingDir(const WorkingDir&) = delete;
    WorkingDir& operator=(const WorkingDir&) = delete;

  private:
    std::filesystem::path previous_;
};

// Runs `body` in a child process and returns its exit code (100 when it did
// not exit), so that process limits and a change of user stay out of the
// test runner.
int RunInChild(const std::function<int()>& body);
// The same as an ordinary user, so that permissions apply even when the
// tests run as root; 90 when root cannot become one.
int RunAsOrdinaryUser(const std::function<int()>& body);

}  // namespace rules::testing
