// The parameter set of one setup script: every named parameter with its kind and its default.
// The names are the component names of the script file, so this table is also what the script
// reader and writer go by.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace setup {

enum class ParamKind { Text, Lines, Flag, Color };

struct ParamDef {
    const char* Name;
    ParamKind Kind;
    const char* Default; // text or colour as decimal text; lines: CR LF separated; flag: "" or "1"
    const char* Page;    // the page of the parameter window the writer nests it under
};

// Every parameter in the order the writer emits them.
const std::vector<ParamDef>& ParamTable();
// Index into ParamTable(), case-insensitive as component names are; nullopt for other names.
std::optional<size_t> FindParam(std::string_view name);

class SetupParams {
  public:
    SetupParams(); // every parameter at its default

    // Accessors by name; a name that is not in the table, or of another kind, is a programming
    // error (asserted) and reads as empty.
    const std::string& Text(std::string_view name) const;
    void SetText(std::string_view name, std::string value);
    const std::vector<std::string>& Lines(std::string_view name) const;
    void SetLines(std::string_view name, std::vector<std::string> lines);
    // Lines joined with CR LF, as a multi-line text is used as one text.
    std::string JoinedLines(std::string_view name) const;
    bool Flag(std::string_view name) const;
    void SetFlag(std::string_view name, bool on);
    // Colours are kept as the decimal text the script stores; Color() parses it with the default
    // as fallback.
    const std::string& ColorText(std::string_view name) const;
    void SetColorText(std::string_view name, std::string text);
    uint32_t Color(std::string_view name) const;

    // Raw access by table index for the reader and writer.
    struct Value {
        std::string Text; // text and colour kinds
        std::vector<std::string> Lines;
        bool Flag = false;
    };
    Value& At(size_t index) { return values_[index]; }
    const Value& At(size_t index) const { return values_[index]; }

    bool operator==(const SetupParams& other) const;

  private:
    size_t Index(std::string_view name, ParamKind kind) const;
    std::vector<Value> values_;
};

// Splits a multi-line text at CR LF, LF or CR (a final line break adds no empty line).
std::vector<std::string> SplitLines(std::string_view text);

} // namespace setup
