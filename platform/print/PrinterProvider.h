// Where the installed-printer list comes from. The system's list (SystemPrinters.h: the CUPS queues
// and the PDF printer) is used unless another provider is installed: tests install a PrinterList
// of recording printers, or an empty one to exercise the no-printer paths, so no test depends on
// the printers of the machine it runs on.
#pragma once

#include "platform/print/PrintDevice.h"

#include <memory>
#include <utility>
#include <vector>

namespace plat {

class PrinterProvider {
  public:
    virtual ~PrinterProvider() = default;

    // The printers in list order; the pointers stay valid while the provider lives and its list
    // is not changed.
    virtual std::vector<PrintDevice*> Printers() = 0;
    // Index of the default printer in Printers(), or -1 when none is marked default.
    virtual int DefaultIndex() = 0;
};

// The provider in use: the installed one, else the system's.
PrinterProvider& CurrentPrinterProvider();
// Installs `provider` (null goes back to the system's list) and returns the one it replaces (null
// when that was the system's).
PrinterProvider* SetPrinterProvider(PrinterProvider* provider);

class PrinterProviderGuard {
  public:
    explicit PrinterProviderGuard(PrinterProvider& provider) : previous_(SetPrinterProvider(&provider)) {}
    ~PrinterProviderGuard() { SetPrinterProvider(previous_); }
    PrinterProviderGuard(const PrinterProviderGuard&) = delete;
    PrinterProviderGuard& operator=(const PrinterProviderGuard&) = delete;

  private:
    PrinterProvider* previous_;
};

// A list of printers it owns, with a chosen default.
class PrinterList : public PrinterProvider {
  public:
    std::vector<PrintDevice*> Printers() override;
    int DefaultIndex() override { return defaultIndex_; }

    // Appends a printer and returns it.
    template <class Device, class... Args> Device& Add(Args&&... args) {
        auto device = std::make_unique<Device>(std::forward<Args>(args)...);
        Device& added = *device;
        printers_.push_back(std::move(device));
        return added;
    }
    // -1 for no default; other values outside the list are a programming error.
    void SetDefaultIndex(int index);
    // Removes every printer (the no-printer case).
    void Clear();
    int Count() const { return static_cast<int>(printers_.size()); }

  private:
    std::vector<std::unique_ptr<PrintDevice>> printers_;
    int defaultIndex_ = -1;
};

} // namespace plat
