// The machine's installed-printer list: the CUPS queues as Qt reports them, in their order, then
// the built-in PDF printer. The default is the system's default queue, else the PDF printer, so a
// machine without printers can still print (to a file in the documents folder). The list is read
// once, on first use.
#pragma once

#include "platform/print/PrinterProvider.h"

#include <functional>
#include <string>
#include <vector>

namespace plat {

class SystemPrinters : public PrinterProvider {
  public:
    // One print queue of the system.
    struct Queue {
        std::string Name; // as the system names it (UTF-8)
        bool IsDefault = false;
    };
    using QueueSource = std::function<std::vector<Queue>()>;

    // The queues CUPS offers through Qt.
    static std::vector<Queue> InstalledQueues();
    // The list of this process, used when no other provider is installed.
    static SystemPrinters& Instance();

    explicit SystemPrinters(QueueSource source = InstalledQueues);
    ~SystemPrinters() override;

    std::vector<PrintDevice*> Printers() override;
    int DefaultIndex() override;

  private:
    void Load();

    QueueSource source_;
    bool loaded_ = false;
    PrinterList list_;
};

} // namespace plat
