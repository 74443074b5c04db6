// A static text on its parent's surface.
#pragma once

#include "platform/ui/StdControl.h"

#include <string>

namespace plat {

enum class TAlignment { Left, Right, Center };

class TLabel : public TStdControl {
public:
    explicit TLabel(TControl* parent, const std::string& caption = {});

    std::string Caption() const;
    void SetCaption(const std::string& caption);
    // Long lines break at word boundaries inside the label's width.
    void SetWordWrap(bool wrap);
    void SetAlignment(TAlignment alignment);
};

} // namespace plat
