// The class library's exception: a message in wide text. Anything that escapes
// an event handler is shown by the application's exception dialog.
#pragma once

#include <stdexcept>
#include <string>

namespace ui {

class Exception : public std::runtime_error {
  public:
    explicit Exception(std::wstring message);
    const std::wstring& Message() const { return message_; }

  private:
    std::wstring message_;
};

// The text to show for any exception: Message() of ours, what() of others
// (read as UTF-8, or the ANSI code page when it is no valid UTF-8).
std::wstring ExceptionText(const std::exception& e);
std::wstring WideFromNarrow(const std::string& text);
std::string Utf8FromWide(const std::wstring& text);

}  // namespace ui
