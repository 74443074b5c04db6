// The first-run import of the default outfits: a registry-export text file applied line by line
// to the registry, with the designer's own simple rules (no line continuation, no escapes, only
// string and "hex:" values).
#pragma once

#include <string>
#include <string_view>

// Imports the file at the Windows path. A missing file raises EFileError; a value line that
// cannot be written (one before any key line) raises ERegistryException naming the value.
void ImportRegFile(std::string_view path);
// The same rules applied to text already in memory.
void ImportRegText(std::string_view text);

// The first run is recognised by "DefaultSlot" of the product key being absent or negative.
bool IsFirstRun();
// Imports DataFile("Resource\velmora.reg") when this is the first run.
void ImportDefaultsOnFirstRun();
