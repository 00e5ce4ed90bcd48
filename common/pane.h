#pragma once
// A multi-line text pane: the reports write their lines into one, so the same
// code feeds a window's pane, the command line and the tests.
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

class Pane {
 public:
  virtual ~Pane() = default;

  virtual void Clear() = 0;
  // Appends a text as the next line. A text that holds line breaks becomes
  // several lines; a text that ends in a line break leaves an empty line
  // after its last line.
  virtual void Add(std::string_view text) = 0;
  // The whole text: every line followed by a line break.
  virtual std::string Text() const = 0;
  // Replaces the whole text; a final line break ends the last line.
  virtual void SetText(std::string_view text) = 0;
  virtual int LineCount() const = 0;
  virtual std::string Line(int index) const = 0;
  virtual void DeleteLine(int index) = 0;
  virtual void InsertLine(int index, std::string_view text) = 0;
};

// A pane that keeps its lines in memory.
class TextPane : public Pane {
 public:
  void Clear() override;
  void Add(std::string_view text) override;
  std::string Text() const override;
  void SetText(std::string_view text) override;
  int LineCount() const override;
  std::string Line(int index) const override;
  void DeleteLine(int index) override;
  void InsertLine(int index, std::string_view text) override;

  const std::vector<std::string>& lines() const { return lines_; }

 private:
  std::vector<std::string> lines_;
};

}  // namespace vantrel
