#pragma once

#include <optional>
#include <string>

class QWidget;

// Shows the count dialog with the caption and the words at the ends of its bar, all in the user's
// language (none: "Short" and "Long" in it); the value chosen, or none when it was cancelled.
std::optional<int> AskCount(QWidget* parent, const std::string& caption, int value, const char* low = nullptr,
                            const char* high = nullptr);
