// Setup scripts on disk: LoadScript reads a script's object stream into a parameter set with the
// resets the installer relies on; SaveScript writes a parameter set as the parameter window's
// stream (only non-empty texts and lists, only flags that are on, colours always).
#pragma once

#include "setup/script/ObjectStream.h"
#include "setup/script/SetupParams.h"

#include <string>

namespace setup {

// Applies the records of a stream tree to `params` by component name, over the whole tree.
// Unknown components and properties, integers, identifiers, events and binary data are skipped.
void ApplyStream(const StreamComponent& root, SetupParams& params);

// The parameter window's stream for `params`: the window, one page per group, one component per
// parameter that the rules write.
StreamComponent BuildStream(const SetupParams& params);

// Does nothing when the file (a Windows path) does not exist. Otherwise resets Restart,
// AutoUninstall, ListFiles, ListIcons, FlagText1-3, Flag1-3 and the colours, reads the file and
// parses the colours (falling back to their defaults). The stream is read whole before anything
// is applied, so a script that cannot be read leaves `params` as it was and raises
// plat::Exception naming the file and the fault.
void LoadScript(SetupParams& params, const std::string& winPath);

// Creates or replaces the file; raises plat::EFileError when it cannot be written.
void SaveScript(const SetupParams& params, const std::string& winPath);

} // namespace setup
