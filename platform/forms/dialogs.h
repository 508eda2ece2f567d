#pragma once

#include <string>

namespace kx {

enum class TMsgDlgIcon { None, Stop };

inline constexpr const char* kMessageFormClass = "TMessageForm";
inline constexpr const char* kMessageButtonClass = "TButton";

// The modal message box: centred on the screen, the text, one OK button; it
// returns when the user answers (OK, Enter, Space, Escape or closing it).
void MessageBox(const std::string& text, const std::string& caption, TMsgDlgIcon icon);
// The message dialog: no icon, captioned with the application title.
void ShowMessage(const std::string& text);
// The error box: stop icon, application title, ErrorBoxText of the message.
void ShowErrorBox(const std::string& message);
// The message with "." appended when its last character sorts after ".".
std::string ErrorBoxText(const std::string& message);

}  // namespace kx
