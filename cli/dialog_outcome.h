#pragma once
// The command line's reading of a divination dialog's outcome: the value to
// print, or the dialog's notice as exit 2, or an error (exit 1) when the
// dialog would have changed nothing.
#include <stdexcept>
#include <string>

#include "cli/cli.h"
#include "divination/outcome.h"

namespace vantrel::cli {

template <typename Value>
Value ValueOrThrow(const DialogOutcome<Value>& outcome) {
  using Kind = typename DialogOutcome<Value>::Kind;
  switch (outcome.kind) {
    case Kind::Result:
      return outcome.value;
    case Kind::ShowNotice:
      throw NoticeError(outcome.notice);
    case Kind::NoChange:
      break;
  }
  throw std::runtime_error("no result, the fields are left as they were: " + outcome.reason);
}

}  // namespace vantrel::cli
