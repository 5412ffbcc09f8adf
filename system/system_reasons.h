#pragma once
// The system's reason for a failed file operation as the person reads it: the program's
// messages are Czech, so the common reasons (no space, no permission, a read-only disk, a name
// too long, nothing there) are too. The one place an error number becomes a text for people.
#include <string>

// The reason for `errorNumber` (errno); empty for 0. A reason without a Czech text of its own
// is the system's text with its number.
std::string systemReasonText(int errorNumber);
