#include "platform/graphics/Fonts.h"

#include "platform/graphics/GuiApplication.h"
#include "platform/text/Cp1251.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>
#include <filesystem>
#include <map>
#include <mutex>

namespace plat {

namespace {

struct RegisteredFile {
    int Id = -1;
    std::string Family; // UTF-8
    std::string Alias;  // cp1251, may be empty
};

struct Registry {
    std::mutex Mutex;
    std::map<std::string, RegisteredFile> Files; // by normalised host path
    std::map<std::string, std::string> Resolved; // upper-cased face name -> family
    std::string DefaultFamily;
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

// One key per file however the caller spells its path ("a/../f.ttf", relative names).
std::string PathKey(const std::string& hostPath) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(hostPath, error);
    return error ? hostPath : absolute.lexically_normal().string();
}

std::string DefaultFamilyLocked(Registry& registry) {
    if (registry.DefaultFamily.empty()) {
        QFont font(QStringLiteral("Sans Serif"));
        font.setStyleHint(QFont::SansSerif);
        registry.DefaultFamily = QFontInfo(font).family().toStdString();
    }
    return registry.DefaultFamily;
}

} // namespace

bool RegisterFontFile(const std::string& hostPath, std::string_view alias) {
    EnsureGuiApplication();
    Registry& registry = TheRegistry();
    const std::lock_guard lock(registry.Mutex);
    registry.Resolved.clear();
    const std::string key = PathKey(hostPath);
    if (auto found = registry.Files.find(key); found != registry.Files.end()) {
        found->second.Alias = std::string(alias);
        return true;
    }
    const int id = QFontDatabase::addApplicationFont(QString::fromStdString(hostPath));
    if (id < 0)
        return false;
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) {
        QFontDatabase::removeApplicationFont(id);
        return false;
    }
    registry.Files[key] = RegisteredFile{id, families.front().toStdString(), std::string(alias)};
    return true;
}

bool UnregisterFontFile(const std::string& hostPath) {
    Registry& registry = TheRegistry();
    const std::lock_guard lock(registry.Mutex);
    const auto found = registry.Files.find(PathKey(hostPath));
    if (found == registry.Files.end())
        return false;
    QFontDatabase::removeApplicationFont(found->second.Id);
    registry.Files.erase(found);
    registry.Resolved.clear();
    return true;
}

std::string ResolveFontFamily(std::string_view face) {
    EnsureGuiApplication();
    Registry& registry = TheRegistry();
    const std::lock_guard lock(registry.Mutex);
    for (const auto& [path, file] : registry.Files)
        if (!file.Alias.empty() && SameText(file.Alias, face))
            return file.Family;
    const std::string key = UpperCase(face);
    if (auto cached = registry.Resolved.find(key); cached != registry.Resolved.end())
        return cached->second;
    const QString wanted = QString::fromStdString(Cp1251ToUtf8(face));
    std::string family;
    if (!wanted.isEmpty()) {
        for (const QString& known : QFontDatabase::families()) {
            if (known.compare(wanted, Qt::CaseInsensitive) == 0) {
                family = known.toStdString();
                break;
            }
        }
    }
    if (family.empty())
        family = DefaultFamilyLocked(registry);
    registry.Resolved[key] = family;
    return family;
}

std::string DefaultFontFamily() {
    EnsureGuiApplication();
    Registry& registry = TheRegistry();
    const std::lock_guard lock(registry.Mutex);
    return DefaultFamilyLocked(registry);
}

} // namespace plat
