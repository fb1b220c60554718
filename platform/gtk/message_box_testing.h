#pragma once

#include <string>
#include <vector>

// For tests of the GTK backend: message boxes that answer themselves, and what
// they showed. The environment variable ZELVIK_ANSWER_MESSAGE_BOXES=1 turns the
// answering on for a whole run (end-to-end scripts of the real player).
namespace platform::gtk {

struct ShownMessageBox {
  std::string text;
  std::string title;
  std::vector<std::string> buttons;  // their labels, without mnemonic underscores
};

// Each message box is answered with OK right after it is shown, and its text is
// written to standard error as "message box: <text>".
void AnswerMessageBoxes(bool automatically);
// The message boxes shown so far, oldest first.
std::vector<ShownMessageBox> ShownMessageBoxes();
void ForgetShownMessageBoxes();

}  // namespace platform::gtk
