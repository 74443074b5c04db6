// The folder browser over the Windows names of the mapped drives, and Qt's colour chooser.
#include "platform/ui/ChooserDialogs.h"

#include "platform/files/Files.h"
#include "platform/files/WinPath.h"
#include "platform/text/Cp1251.h"
#include "platform/ui/Application.h"
#include "platform/ui/StdWidget.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <utility>

namespace plat {

namespace {

FolderBrowserHandler& FolderHandler() {
    static FolderBrowserHandler handler;
    return handler;
}

FileDialogHandler& FileHandler() {
    static FileDialogHandler handler;
    return handler;
}

// "Name|mask|Name|mask" as Qt's "Name (mask);;Name (mask)".
QString QtFilter(const std::string& filter) {
    const QStringList parts = QtText(filter).split(QChar('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        out.push_back(parts[i] + " (" + QString(parts[i + 1]).replace(QChar(';'), QChar(' ')) + ")");
    return out.join(QStringLiteral(";;"));
}

std::optional<std::string> ShowFileDialog(bool save, const FileDialogOptions& options) {
    EnsureUiApplication();
    QFileDialog dialog(QApplication::activeWindow(), QtText(options.Title));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save || !options.MustExist ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (!options.Filter.empty())
        dialog.setNameFilter(QtFilter(options.Filter));
    QString ext = QtText(options.DefaultExt);
    ext.remove(QChar('*')).remove(QChar('.'));
    if (!ext.isEmpty())
        dialog.setDefaultSuffix(ext);
    if (!options.FileName.empty())
        dialog.selectFile(QtText(options.FileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return WinPathOf(dialog.selectedFiles().front().toStdString());
}

ColorChooserHandler& ColorHandler() {
    static ColorChooserHandler handler;
    return handler;
}

constexpr int kPathRole = Qt::UserRole;
constexpr int kListedRole = Qt::UserRole + 1;

std::string PathOf(const QTreeWidgetItem* item) {
    return SystemText(item->data(0, kPathRole).toString());
}

// Subfolders are listed when a folder is first opened; a placeholder child gives every folder
// its expander until then.
void AddFolder(QTreeWidgetItem* parent, QTreeWidget* tree, const std::string& label, const std::string& path) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
    item->setText(0, QtText(label));
    item->setData(0, kPathRole, QtText(path));
    item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
}

void ListChildren(QTreeWidgetItem* item) {
    if (item->data(0, kListedRole).toBool())
        return;
    item->setData(0, kListedRole, true);
    const std::string base = IncludeTrailingBackslash(PathOf(item));
    for (const SearchRec& rec : FindFiles(base + "*.*", faDirectory))
        if ((rec.Attr & faDirectory) && !rec.Name.empty() && rec.Name[0] != '.')
            AddFolder(item, nullptr, rec.Name, base + rec.Name);
    if (item->childCount() == 0)
        item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicator);
}

// Opens the tree down to `start` as far as it exists and selects the deepest folder reached.
void OpenTo(QTreeWidget& tree, const std::string& start) {
    QTreeWidgetItem* at = nullptr;
    for (int i = 0; i < tree.topLevelItemCount() && !at; ++i) {
        QTreeWidgetItem* root = tree.topLevelItem(i);
        if (!start.empty() && UpperChar(start[0]) == PathOf(root)[0])
            at = root;
    }
    if (!at)
        return;
    std::string rest = start.size() > 3 ? start.substr(3) : std::string();
    while (!rest.empty()) {
        const size_t slash = rest.find('\\');
        const std::string name = rest.substr(0, slash);
        rest = slash == std::string::npos ? std::string() : rest.substr(slash + 1);
        ListChildren(at);
        QTreeWidgetItem* next = nullptr;
        for (int i = 0; i < at->childCount() && !next; ++i)
            if (SameText(SystemText(at->child(i)->text(0)), name))
                next = at->child(i);
        if (!next)
            break;
        at->setExpanded(true);
        at = next;
    }
    tree.setCurrentItem(at);
}

std::optional<std::string> ShowFolderBrowser(const std::string& title, const std::string& start) {
    EnsureUiApplication();
    QDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(QtText(title));
    dialog.resize(360, 420);
    auto* layout = new QVBoxLayout(&dialog);
    auto* tree = new QTreeWidget;
    tree->setHeaderHidden(true);
    layout->addWidget(tree);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Cancel)->setText(QtText(Ru("Отмена")));
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(tree, &QTreeWidget::itemExpanded, tree, [](QTreeWidgetItem* item) {
        RunGuarded([item] { ListChildren(item); });
    });
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const std::string root = std::string(1, letter) + ":\\";
        if (DirectoryExists(root))
            AddFolder(nullptr, tree, root, root);
    }
    RunGuarded([&] { OpenTo(*tree, start); });
    if (dialog.exec() != QDialog::Accepted || !tree->currentItem())
        return std::nullopt;
    return PathOf(tree->currentItem());
}

} // namespace

std::optional<std::string> BrowseForFolder(const std::string& title, const std::string& start) {
    if (FolderHandler())
        return FolderHandler()(title, start);
    return ShowFolderBrowser(title, start);
}

FolderBrowserHandler SetFolderBrowserHandler(FolderBrowserHandler handler) {
    return std::exchange(FolderHandler(), std::move(handler));
}

std::optional<TColor> ChooseColor(TColor initial) {
    if (ColorHandler())
        return ColorHandler()(initial);
    EnsureUiApplication();
    const QColor chosen = QColorDialog::getColor(QColor(GetRValue(initial), GetGValue(initial), GetBValue(initial)),
                                                 QApplication::activeWindow());
    if (!chosen.isValid())
        return std::nullopt;
    return RGB(static_cast<uint8_t>(chosen.red()), static_cast<uint8_t>(chosen.green()),
               static_cast<uint8_t>(chosen.blue()));
}

ColorChooserHandler SetColorChooserHandler(ColorChooserHandler handler) {
    return std::exchange(ColorHandler(), std::move(handler));
}

std::optional<std::string> OpenFileDialog(const FileDialogOptions& options) {
    if (FileHandler())
        return FileHandler()(false, options);
    return ShowFileDialog(false, options);
}

std::optional<std::string> SaveFileDialog(const FileDialogOptions& options) {
    if (FileHandler())
        return FileHandler()(true, options);
    return ShowFileDialog(true, options);
}

FileDialogHandler SetFileDialogHandler(FileDialogHandler handler) {
    return std::exchange(FileHandler(), std::move(handler));
}

} // namespace plat
