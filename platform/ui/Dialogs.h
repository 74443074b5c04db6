// Message boxes with the system's Russian button texts. Tests replace the box with a handler that
// records the call and returns a chosen answer.
#pragma once

#include <functional>
#include <string>

namespace plat {

enum class TMsgDlgType { Information, Warning, Error, Confirmation };
enum class TMsgDlgButtons { Ok, YesNo, YesNoCancel };
enum class TModalResult { None, Ok, Cancel, Yes, No };

// Text and caption are in code page 1251, as the system keeps them.
using MessageBoxHandler =
    std::function<TModalResult(TMsgDlgType type, TMsgDlgButtons buttons, const std::string& text)>;

TModalResult MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons);
// A box with its own title; a test handler sees it as any other box, and LastBoxCaption() tells
// the title of the latest one.
TModalResult MessageDlgCaptioned(const std::string& caption, const std::string& text, TMsgDlgType type,
                                 TMsgDlgButtons buttons);
const std::string& LastBoxCaption();
void ShowMessage(const std::string& text);
void ShowError(const std::string& text);

// Installs a replacement (empty restores the real box); returns the previous one.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

// The button texts in code page 1251.
std::string ButtonCaption(TModalResult result);

} // namespace plat
