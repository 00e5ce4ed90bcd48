#pragma once
// What a divination dialog's "测算" asks of its dialog: set the result
// fields, show a notice (and change nothing else), or change nothing at all.
// The dialog applies it as it stands; the command line prints it.
#include <string>
#include <utility>

namespace vantrel {

template <typename Fields>
struct DialogOutcome {
  enum class Kind { SetFields, ShowNotice, NoChange };

  Kind kind = Kind::NoChange;
  Fields fields;       // SetFields: every field's new text
  std::string notice;  // ShowNotice: the message for the notice box
  std::string reason;  // NoChange: the message of the error that was swallowed

  static DialogOutcome Set(Fields f) {
    DialogOutcome o;
    o.kind = Kind::SetFields;
    o.fields = std::move(f);
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
