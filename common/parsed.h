#pragma once
// A value read from what was typed, or the error reading it raised. The text
// is read once, where it comes in; the error is kept and raised only where
// the value is needed, so a report's messages keep their fixed order.
#include <optional>
#include <string>
#include <utility>

#include "common/errors.h"

namespace vantrel {

template <typename T>
class Parsed {
 public:
  Parsed() = default;
  // A value read without error; implicit, so a value can be assigned as it is.
  Parsed(T value) : value_(std::move(value)) {}

  // The value `read` gives, or the ConvertError it raises.
  template <typename Read>
  static Parsed Of(Read&& read) {
    try {
      return Parsed(read());
    } catch (const ConvertError& e) {
      return Failed(e.what());
    }
  }
  static Parsed Failed(std::string message) {
    Parsed p;
    p.error_ = std::move(message);
    return p;
  }

  bool ok() const { return !error_; }
  // The value; raises the reading's ConvertError when there is none.
  const T& Get() const {
    if (error_) throw ConvertError(*error_);
    return value_;
  }

 private:
  T value_{};
  std::optional<std::string> error_;
};

// A number typed into a field: StrToInt of the text, or its ConvertError.
using TypedNumber = Parsed<int>;

}  // namespace vantrel
