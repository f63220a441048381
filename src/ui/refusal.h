// The line in which a dialog refuses what was typed: a red sentence under the
// field, shown instead of closing the dialog, so that no request is made for
// an empty or malformed value.
#pragma once

#include <QLabel>

#include <optional>
#include <string>

namespace brisalta::ui {

// A hidden, word-wrapped red line named "rechazo".
QLabel* makeRefusalLine(QWidget* parent);

// Shows the sentence (core text, Windows-1252) and returns true when there is
// one; hides the line and returns false when the value is good.
bool refuse(QLabel* line, const std::optional<std::string>& problem);

} // namespace brisalta::ui
