#pragma once
// Short validation and status messages ("请选择出生年!") go to the user
// through a notice box; the window, the command line and the tests each
// provide one.
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

class Notifier {
 public:
  virtual ~Notifier() = default;
  // Shows the message and returns when the user has closed it.
  virtual void ShowNotice(std::string_view text) = 0;
};

// Keeps the messages it was given, in order.
class RecordingNotifier : public Notifier {
 public:
  void ShowNotice(std::string_view text) override { messages.emplace_back(text); }
  std::vector<std::string> messages;
};

}  // namespace vantrel
