// A platform whose clock the test moves by hand.
#pragma once

#include "platform/core/Platform.h"

namespace velmora::test {

class FakeClockPlatform : public plat::Platform {
public:
    uint64_t TickCount() const override { return Now; }
    uint64_t Now = 1000;
};

} // namespace velmora::test
