// Command-line splitting and process start and wait on the host.
#include "platform/shell/Process.h"

#include "platform/core/Exceptions.h"
#include "platform/files/Files.h"
#include "platform/files/WinPath.h"
#include "platform/text/Cp1251.h"

#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace plat {

namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(10);

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// One argument by the platform's rules, from `pos`; advances past it.
std::string NextArgument(std::string_view text, size_t& pos) {
    std::string arg;
    bool quoted = false;
    while (pos < text.size()) {
        char c = text[pos];
        if (IsBlank(c) && !quoted)
            break;
        if (c == '\\') {
            size_t run = 0;
            while (pos < text.size() && text[pos] == '\\') {
                ++run;
                ++pos;
            }
            if (pos < text.size() && text[pos] == '"') {
                arg.append(run / 2, '\\');
                if (run % 2 == 1) {
                    arg += '"';
                    ++pos;
                }
            } else {
                arg.append(run, '\\');
            }
            continue;
        }
        if (c == '"') {
            if (quoted && pos + 1 < text.size() && text[pos + 1] == '"') {
                arg += '"';
                pos += 2;
                continue;
            }
            quoted = !quoted;
            ++pos;
            continue;
        }
        arg += c;
        ++pos;
    }
    return arg;
}

std::vector<std::string> SplitArguments(std::string_view text) {
    std::vector<std::string> args;
    size_t pos = 0;
    for (;;) {
        while (pos < text.size() && IsBlank(text[pos]))
            ++pos;
        if (pos >= text.size())
            return args;
        args.push_back(NextArgument(text, pos));
    }
}

bool IsWindowsAbsolute(std::string_view path) {
    return path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' &&
           (path[2] == '\\' || path[2] == '/');
}

} // namespace

std::string HostArgument(const std::string& arg) {
    if (!IsWindowsAbsolute(arg))
        return Cp1251ToUtf8(arg);
    try {
        return HostPath(arg);
    } catch (const Exception&) {
        return Cp1251ToUtf8(arg);
    }
}

namespace {

std::optional<std::string> ExistingHostFile(std::string_view winPath) {
    if (!FileExists(winPath))
        return std::nullopt;
    try {
        return HostPath(winPath);
    } catch (const Exception&) {
        return std::nullopt;
    }
}

} // namespace

ParsedCommandLine ParseCommandLine(std::string_view commandLine) {
    ParsedCommandLine parsed;
    size_t pos = 0;
    while (pos < commandLine.size() && IsBlank(commandLine[pos]))
        ++pos;
    if (pos >= commandLine.size())
        return parsed;
    if (commandLine[pos] == '"') {
        size_t close = commandLine.find('"', pos + 1);
        if (close == commandLine.npos) {
            parsed.Program = std::string(commandLine.substr(pos + 1));
            return parsed;
        }
        parsed.Program = std::string(commandLine.substr(pos + 1, close - pos - 1));
        parsed.Arguments = SplitArguments(commandLine.substr(close + 1));
        return parsed;
    }
    size_t end = pos;
    while (end < commandLine.size() && !IsBlank(commandLine[end]))
        ++end;
    parsed.Program = std::string(commandLine.substr(pos, end - pos));
    parsed.Arguments = SplitArguments(commandLine.substr(end));
    return parsed;
}

std::optional<HostCommand> ResolveCommandLine(std::string_view commandLine) {
    ParsedCommandLine parsed = ParseCommandLine(commandLine);
    if (parsed.Program.empty())
        return std::nullopt;
    HostCommand command;
    std::optional<std::string> host = ExistingHostFile(parsed.Program);
    if (!host && commandLine.find('"') == commandLine.npos) {
        // An unquoted program name with blanks: the longer names are tried in turn.
        size_t start = commandLine.find_first_not_of(" \t");
        for (size_t blank = commandLine.find(' ', start); blank != commandLine.npos && !host;
             blank = commandLine.find(' ', blank + 1)) {
            std::string_view candidate = commandLine.substr(start, commandLine.find(' ', blank + 1) - start);
            if ((host = ExistingHostFile(candidate))) {
                size_t end = start + candidate.size();
                parsed.Arguments = SplitArguments(commandLine.substr(end));
            }
        }
    }
    if (!host) {
        bool bareName = parsed.Program.find_first_of("\\/:") == std::string::npos;
        if (!bareName)
            return std::nullopt;
        host = Cp1251ToUtf8(parsed.Program);
    }
    command.Program = *host;
    if (command.Program.find('/') != std::string::npos && access(command.Program.c_str(), X_OK) != 0)
        command.ViaShell = true;
    for (const std::string& arg : parsed.Arguments)
        command.Arguments.push_back(HostArgument(arg));
    return command;
}

ProcessResult RunAndWait(std::string_view commandLine, const std::function<void()>& pump) {
    ProcessResult result;
    std::optional<HostCommand> command = ResolveCommandLine(commandLine);
    if (!command)
        return result;
    std::vector<std::string> words;
    if (command->ViaShell)
        words.push_back("/bin/sh");
    words.push_back(command->Program);
    words.insert(words.end(), command->Arguments.begin(), command->Arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    pid_t pid = 0;
    int rc = posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ);
    if (rc != 0)
        return result;
    int status = 0;
    for (;;) {
        pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid)
            break;
        if (done < 0 && errno != EINTR)
            return result;
        if (pump)
            pump();
        std::this_thread::sleep_for(kPollInterval);
    }
    // posix_spawnp reports an exec failure only as exit status 127 of the child.
    if (WIFEXITED(status) && WEXITSTATUS(status) == 127 && command->Program.find('/') == std::string::npos)
        return result;
    result.Started = true;
    result.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

} // namespace plat
