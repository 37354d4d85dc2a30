// A small modal box that asks for one line of text: a caption, a prompt and
// the proposed text, with "OK" and "Отмена". Tests answer it through a handler.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace options {

// The text entered, or nothing when the box was cancelled.
std::optional<std::wstring> InputBox(const std::wstring& caption, const std::wstring& prompt,
                                     const std::wstring& value);

using InputBoxHandler = std::function<std::optional<std::wstring>(
    const std::wstring& caption, const std::wstring& prompt, const std::wstring& value)>;
// Installs a handler in place of the real box; returns the previous one.
InputBoxHandler SetInputBoxHandler(InputBoxHandler handler);

}  // namespace options
