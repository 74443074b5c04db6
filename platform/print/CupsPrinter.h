// A CUPS print queue of the machine, printed to through Qt at the queue's own resolution. The page
// is the queue's printable area on its default paper (or what the print dialog chose); colour
// printers report 24 bits per pixel, monochrome ones (and colour ones set to greyscale) 1.
#pragma once

#include "platform/print/PrintDevice.h"

#include <memory>
#include <string>

namespace plat {

class CupsPrinter : public PrintDevice {
  public:
    // Qt's printer for the queue; defined in PrintQt.h for the library's own use.
    struct State;

    explicit CupsPrinter(std::string queueName);
    ~CupsPrinter() override;

    // The queue's name as the system has it (UTF-8).
    const std::string& QueueName() const { return queue_; }

    std::string Name() const override;
    PageFormat Format() const override;
    std::unique_ptr<PrintJob> StartJob(std::string_view title) override;

    // The Qt side, made on first use.
    State& QtState() const;

  private:
    std::string queue_;
    mutable std::unique_ptr<State> state_;
};

} // namespace plat
