// The wizard's window driven as a user would: its controls found by name, clicked and typed into.
#pragma once

#include "platform/ui/Button.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/StdControl.h"
#include "platform/ui/StdInput.h"
#include "setup/wizard/DialogForm.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace setup_test {

template <class T> T& Find(plat::TControl& root, const std::string& name) {
    auto* control = dynamic_cast<T*>(plat::FindControl(root, name));
    if (!control)
        throw std::runtime_error("no control " + name);
    return *control;
}

inline void Press(plat::TControl& root, const std::string& name) {
    plat::ClickMiddle(Find<plat::TButton>(root, name));
}

// Message boxes answered from a list (Yes when it runs out); every box recorded.
struct Boxes {
    Boxes() {
        plat::SetMessageBoxHandler([this](plat::TMsgDlgType, plat::TMsgDlgButtons, const std::string& text) {
            Texts.push_back(text);
            if (Answers.empty())
                return plat::TModalResult::Yes;
            plat::TModalResult answer = Answers.front();
            Answers.erase(Answers.begin());
            return answer;
        });
    }
    ~Boxes() { plat::SetMessageBoxHandler({}); }
    std::vector<std::string> Texts;
    std::vector<plat::TModalResult> Answers;
};

} // namespace setup_test
