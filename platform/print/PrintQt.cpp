#include "platform/print/PrintQt.h"

#include "platform/text/Cp1251.h"

namespace plat {

QString ToQt(std::string_view cp1251) {
    return HostToQt(Cp1251ToUtf8(cp1251));
}

QString HostToQt(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace plat
