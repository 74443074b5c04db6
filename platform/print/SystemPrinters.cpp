#include "platform/print/SystemPrinters.h"

#include "platform/graphics/GuiApplication.h"
#include "platform/print/CupsPrinter.h"
#include "platform/print/PdfPrinter.h"
#include "platform/print/PrintQt.h"

#include <QPrinterInfo>

namespace plat {

std::vector<SystemPrinters::Queue> SystemPrinters::InstalledQueues() {
    EnsureGuiApplication();
    std::vector<Queue> queues;
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters())
        queues.push_back({info.printerName().toStdString(), info.isDefault()});
    return queues;
}

SystemPrinters& SystemPrinters::Instance() {
    // Never destroyed: the Qt printers behind it must not be torn down after the application.
    static SystemPrinters* instance = new SystemPrinters();
    return *instance;
}

SystemPrinters::SystemPrinters(QueueSource source) : source_(std::move(source)) {}

SystemPrinters::~SystemPrinters() = default;

void SystemPrinters::Load() {
    if (loaded_)
        return;
    loaded_ = true;
    int defaultIndex = -1;
    for (const Queue& queue : source_()) {
        if (queue.IsDefault && defaultIndex < 0)
            defaultIndex = list_.Count();
        list_.Add<CupsPrinter>(queue.Name);
    }
    list_.Add<PdfPrinter>();
    list_.SetDefaultIndex(defaultIndex >= 0 ? defaultIndex : list_.Count() - 1);
}

std::vector<PrintDevice*> SystemPrinters::Printers() {
    Load();
    return list_.Printers();
}

int SystemPrinters::DefaultIndex() {
    Load();
    return list_.DefaultIndex();
}

} // namespace plat
