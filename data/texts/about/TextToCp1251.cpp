// velmora-cp1251text: turns a plain text written in UTF-8 into a text file of the product:
// Windows Cyrillic (cp1251) bytes with CR LF line ends.
//
//   velmora-cp1251text SOURCE.txt OUTPUT.txt
//
// A character that cp1251 cannot hold, or a source that is not UTF-8, is refused with its line
// number rather than shipped as a question mark.
#include "platform/text/Cp1251.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: velmora-cp1251text SOURCE.txt OUTPUT.txt\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "velmora-cp1251text: %s: cannot be read\n", argv[1]);
        return 1;
    }
    std::string output;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::string converted = plat::Utf8ToCp1251(line);
        // Conversion marks what it cannot hold with '?'; going back must give the source again.
        if (plat::Cp1251ToUtf8(converted) != line) {
            std::fprintf(stderr, "velmora-cp1251text: %s:%d: a character has no cp1251 code\n", argv[1],
                         number);
            return 1;
        }
        output += converted + "\r\n";
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << output;
    if (!out) {
        std::fprintf(stderr, "velmora-cp1251text: %s: cannot be written\n", argv[2]);
        return 1;
    }
    return 0;
}
