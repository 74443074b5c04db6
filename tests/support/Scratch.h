// Scratch folders for tests: every test process gets its own prefix, home and XDG folders under a
// temporary folder that is removed at exit, so tests never touch the user's files and can run in
// parallel and in any order.
#pragma once

#include <string>
#include <string_view>

namespace testing_support {

// The process's scratch root (a fresh temporary folder).
const std::string& ScratchRoot();
// A new empty folder under the scratch root.
std::string MakeScratchDir(std::string_view hint);
// Writes a host file, creating its folders.
void WriteHostFile(const std::string& path, std::string_view bytes);
std::string ReadHostFile(const std::string& path);
// Folder of the shared outside test data; empty (and the test should skip) when absent.
std::string TestDataDir(std::string_view sub);

} // namespace testing_support
