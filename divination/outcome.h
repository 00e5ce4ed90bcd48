#pragma once
// The reading a divination dialog's "测算" gives: a result, a notice that
// stops it (the dialog shows the notice and changes nothing else), or no
// change at all (an error was swallowed). It is a plain value: the dialog
// renders and shows it, the command line prints it.
#include <string>
#include <utility>

namespace vantrel {

template <typename Value>
struct DialogOutcome {
  enum class Kind { Result, ShowNotice, NoChange };

  Kind kind = Kind::NoChange;
  Value value;         // Result: what was read
  std::string notice;  // ShowNotice: the message for the notice box
  std::string reason;  // NoChange: the message of the error that was swallowed

  static DialogOutcome Of(Value v) {
    DialogOutcome o;
    o.kind = Kind::Result;
    o.value = std::move(v);
    return o;
  }
  static DialogOutcome Notice(std::string text) {
    DialogOutcome o;
    o.kind = Kind::ShowNotice;
    o.notice = std::move(text);
    return o;
  }
  static DialogOutcome Unchanged(std::string why) {
    DialogOutcome o;
    o.reason = std::move(why);
    return o;
  }
};

}  // namespace vantrel
