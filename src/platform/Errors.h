#pragma once
// The error hierarchy: every error is an exception carrying a message.
#include <stdexcept>
#include <string>

namespace twinsweep {

// Base of all errors the program raises and shows in the standard error box.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
};

// A text that does not convert to a number, date or time.
class EConvertError : public Exception {
    using Exception::Exception;
};

// An index outside a list: "List index out of bounds (%d)".
class EListError : public Exception {
    using Exception::Exception;
};

// A file that cannot be created: "Cannot create file "%s". %s".
class EFCreateError : public Exception {
    using Exception::Exception;
};

// A file that cannot be opened: "Cannot open file "%s". %s".
class EFOpenError : public Exception {
    using Exception::Exception;
};

// A value as a message quotes it: at most `limit` characters (UTF-8 sequences kept whole),
// "…" after a value cut short, so that a damaged file's huge line makes a short message.
std::string Excerpt(const std::string& value, size_t limit = 80);

// A text on one line: each CR shown as "\r" and each LF as "\n".
std::string OnOneLine(const std::string& text);

// What the error being handled says: its message, "out of memory" for a lack of memory.
// Call it inside a catch block only.
std::string CurrentErrorText();

// Replaces each "%s" or "%d" in `pattern`, left to right, by the next argument.
std::string FormatMessage(const std::string& pattern, std::initializer_list<std::string> args);

} // namespace twinsweep
