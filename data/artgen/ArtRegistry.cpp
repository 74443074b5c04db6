#include "data/artgen/ArtRegistry.h"

#include <algorithm>

namespace art {
namespace {

// Function-local so registrations from other translation units never see it uninitialised.
std::vector<ArtEntry>& Table() {
    static std::vector<ArtEntry> table;
    return table;
}

} // namespace

ArtRegistration::ArtRegistration(const char* name, ArtMaker make) { Table().push_back({name, make}); }

std::vector<ArtEntry> AllArt() {
    std::vector<ArtEntry> sorted = Table();
    std::sort(sorted.begin(), sorted.end(),
              [](const ArtEntry& a, const ArtEntry& b) { return a.name < b.name; });
    return sorted;
}

} // namespace art
