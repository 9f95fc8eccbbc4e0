// The system's failures travel as exceptions that carry a message text. Every named exception
// derives directly from Exception, so a handler can show any of them by its Message().
#pragma once

#include <exception>
#include <string>

namespace brontel {

class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  const char* what() const noexcept override { return message_.c_str(); }
  const std::string& Message() const noexcept { return message_; }

 private:
  std::string message_;
};

// Declares an exception class that derives directly from Exception and carries only a message.
#define BRONTEL_DECLARE_EXCEPTION(Name)            \
  class Name : public ::brontel::Exception {       \
   public:                                         \
    using ::brontel::Exception::Exception;         \
  }

// "Stream read error": a read-all operation got fewer bytes than asked for.
BRONTEL_DECLARE_EXCEPTION(EReadError);
// "Stream write error": a write-all operation could not place every byte.
BRONTEL_DECLARE_EXCEPTION(EWriteError);
// "Cannot create file %s": a file could not be created (or replaced).
BRONTEL_DECLARE_EXCEPTION(EFCreateError);
// "Cannot open file %s": an existing file could not be opened.
BRONTEL_DECLARE_EXCEPTION(EFOpenError);
// An operating-system I/O failure; the message is the system's reason.
BRONTEL_DECLARE_EXCEPTION(EInOutError);
// "Resource %s not found".
BRONTEL_DECLARE_EXCEPTION(EResNotFound);
// Registry access failures, e.g. "Invalid data type for '%s'".
BRONTEL_DECLARE_EXCEPTION(ERegistryException);
// "'%s' is not a valid integer value".
BRONTEL_DECLARE_EXCEPTION(EConvertError);

}  // namespace brontel
