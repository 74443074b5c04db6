// velmora-rtfsource: writes a hand-written UTF-8 rich-text source in the form the designer's
// reader takes (see RtfSource.h); a refused source stops the build with its line number.
//
//   velmora-rtfsource SOURCE.rtf OUTPUT.rtf
#include "data/texts/help/RtfSource.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: velmora-rtfsource SOURCE.rtf OUTPUT.rtf\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << argv[1] << ": cannot read\n";
        return 1;
    }
    std::ostringstream text;
    text << in.rdbuf();
    std::string converted;
    try {
        converted = helptext::RtfSourceToReaderForm(text.str());
    } catch (const helptext::RtfSourceError& e) {
        std::cerr << argv[1] << ":" << e.Line << ": " << e.what() << "\n";
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << converted;
    out.close();
    if (!out) {
        std::cerr << argv[2] << ": cannot write\n";
        std::remove(argv[2]);
        return 1;
    }
    return 0;
}
