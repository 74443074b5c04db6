#include "platform/print/PrinterProvider.h"

#include "platform/print/SystemPrinters.h"

#include <cassert>

namespace plat {

namespace {

PrinterProvider* g_installed = nullptr;

} // namespace

PrinterProvider& CurrentPrinterProvider() {
    return g_installed ? *g_installed : SystemPrinters::Instance();
}

PrinterProvider* SetPrinterProvider(PrinterProvider* provider) {
    PrinterProvider* previous = g_installed;
    g_installed = provider;
    return previous;
}

std::vector<PrintDevice*> PrinterList::Printers() {
    std::vector<PrintDevice*> printers;
    printers.reserve(printers_.size());
    for (const auto& printer : printers_)
        printers.push_back(printer.get());
    return printers;
}

void PrinterList::SetDefaultIndex(int index) {
    assert(index >= -1 && index < Count() && "default printer index outside the list");
    defaultIndex_ = index;
}

void PrinterList::Clear() {
    printers_.clear();
    defaultIndex_ = -1;
}

} // namespace plat
