// The system clipboard. Copying from a rich-text view puts the plain text and the rich text there
// at once, so that a program pasting takes the richest form it understands.
#pragma once

#include <string_view>

namespace plat {

// Replaces the clipboard's contents with `plainCp1251` (the system's text, offered to the host as
// UTF-8 plain text) and `rtfBytes` (offered unchanged as MIME "text/rtf"). Line ends are kept as
// given. Makes sure the application object exists first (EnsureUiApplication).
void SetClipboardTexts(std::string_view plainCp1251, std::string_view rtfBytes);

} // namespace plat
