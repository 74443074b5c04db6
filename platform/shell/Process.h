// Processes started from a Windows command line. The program is the first word (quoted or not;
// an unquoted name with blanks is tried word by word, shortest first, as the platform does); it is
// mapped to the host through WinPath. Later words are split by the platform's rules (quotes
// group, 2n backslashes before a quote give n, an odd one escapes it, an unbalanced quote runs to
// the end of the line) and those naming absolute Windows paths on a mapped drive are passed as
// host paths, so "C:\tools\x.exe C:\data\y.txt" works as written on Linux.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plat {

struct ParsedCommandLine {
    std::string Program;                // as written (cp1251), without quotes
    std::vector<std::string> Arguments; // split and unquoted (cp1251)
};
// The words of a command line; Program and Arguments are empty for a blank line.
ParsedCommandLine ParseCommandLine(std::string_view commandLine);

// Host program and arguments for a command line: the program resolved to an existing host file
// (or left as a bare name for the host's PATH when it names no folder), arguments mapped.
// nullopt when the program cannot be found.
struct HostCommand {
    std::string Program;
    std::vector<std::string> Arguments; // UTF-8, argv[1..]
    bool ViaShell = false;              // a script without its execute bit runs through /bin/sh
};
std::optional<HostCommand> ResolveCommandLine(std::string_view commandLine);

// One argument for the host: an absolute Windows path on a mapped drive becomes its host path,
// anything else is only converted to UTF-8.
std::string HostArgument(const std::string& arg);

struct ProcessResult {
    bool Started = false;
    int ExitCode = -1; // the exit status, or 128 + signal
};

// Starts the command and polls for its end, calling `pump` between polls (every 10 ms), with no
// time limit. Started is false when the program cannot be found or started.
ProcessResult RunAndWait(std::string_view commandLine, const std::function<void()>& pump);

} // namespace plat
