// A printer for tests that fails in the middle of a job the way a full disk or a queue going away
// does: it passes everything to another printer until the job starts page `failAtPage`, where
// NewPage raises EPrinter.
#pragma once

#include "platform/print/PrintDevice.h"

#include <memory>
#include <string>

namespace print_test {

class FailingPrinter : public plat::PrintDevice {
public:
    FailingPrinter(plat::PrintDevice& inner, int failAtPage) : inner_(inner), failAt_(failAtPage) {}
    std::string Name() const override { return "Failing"; }
    plat::PageFormat Format() const override { return inner_.Format(); }
    std::unique_ptr<plat::PrintJob> StartJob(std::string_view title) override {
        return std::make_unique<Job>(inner_.StartJob(title), failAt_);
    }

private:
    class Job : public plat::PrintJob {
    public:
        Job(std::unique_ptr<plat::PrintJob> inner, int failAt) : inner_(std::move(inner)), failAt_(failAt) {}
        const plat::PageFormat& Format() const override { return inner_->Format(); }
        plat::Canvas& PageCanvas() override { return inner_->PageCanvas(); }
        void NewPage() override {
            if (++page_ >= failAt_)
                throw plat::EPrinter("The printer stopped");
            inner_->NewPage();
        }
        void Finish() override { inner_->Finish(); }
        void Abort() override { inner_->Abort(); }

    private:
        std::unique_ptr<plat::PrintJob> inner_;
        int failAt_;
        int page_ = 1;
    };

    plat::PrintDevice& inner_;
    int failAt_;
};

} // namespace print_test
