// The system's printer list, from a made-up set of queues: queues first, then the PDF printer,
// which is the default when no queue is.
#include "platform/print/SystemPrinters.h"

#include "platform/print/PdfPrinter.h"
#include "platform/text/Cp1251.h"

#include <gtest/gtest.h>

namespace plat {
namespace {

using Queue = SystemPrinters::Queue;

std::vector<std::string> Names(SystemPrinters& printers) {
    std::vector<std::string> names;
    for (const PrintDevice* device : printers.Printers())
        names.push_back(device->Name());
    return names;
}

TEST(SystemPrinters, QueuesThenThePdfPrinter) {
    struct Case {
        const char* Name;
        std::vector<Queue> Queues;
        std::vector<std::string> Expected;
        int Default;
    };
    const Case cases[] = {
        {"no queues", {}, {"PDF"}, 0},
        {"no default queue", {{"office", false}, {"lab", false}}, {"office", "lab", "PDF"}, 2},
        {"default queue", {{"office", false}, {"lab", true}}, {"office", "lab", "PDF"}, 1},
        {"Cyrillic queue name", {{"Принтер_в_классе", true}}, {Ru("Принтер_в_классе"), "PDF"}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        int reads = 0;
        SystemPrinters printers([&] {
            ++reads;
            return c.Queues;
        });
        EXPECT_EQ(Names(printers), c.Expected);
        EXPECT_EQ(printers.DefaultIndex(), c.Default);
        EXPECT_EQ(reads, 1) << "the list is read once";
        EXPECT_NE(dynamic_cast<PdfPrinter*>(printers.Printers().back()), nullptr);
    }
}

} // namespace
} // namespace plat
