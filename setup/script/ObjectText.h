// The text form of object streams, for reading and diffing scripts and for writing them by hand:
// `setup --dump` prints a stream this way, `setup --compile` turns the text back into the stream.
// Every stream the reader accepts dumps to a text that compiles to the same bytes.
//
//   object ParamsForm: TParamsForm            a component: name, class; "flags N" and
//     Caption = 'Setup.inf'                    "position VALUE" follow for filer flags
//     object ListFiles: TMemo
//       Lines.Strings = (                      a list, one value a line
//         'readme.txt=%HDPATH%'
//         'line one'#13#10'line two')          strings: '...' (quote doubled) and #N bytes;
//     end                                      text is cp1251 shown as UTF-8
//   end
//
// Values: 12 (the smallest integer tag that holds it; i8:/i16:/i32:/i64: force one), 'text'
// (string, or long string past 255 bytes; L'..' forces a long string), W'..' wide and U'..' UTF-8
// strings, wide:HEX, Ident (ident'..' when it is no plain word), True, False, nil, [a, b] sets,
// { hex bytes } binary, < item ... end > collections (item [index]), ext:/single:/currency:/
// date:/double: followed by the value's bytes in hex.
#pragma once

#include "setup/script/ObjectStream.h"

#include <string>
#include <string_view>

namespace setup {

std::string DumpObjectText(const StreamComponent& root);

// Raises plat::Exception naming `sourceName`, the line and what was expected.
StreamComponent ParseObjectText(std::string_view text, const std::string& sourceName);

} // namespace setup
