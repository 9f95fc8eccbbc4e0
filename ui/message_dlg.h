// Modal message boxes: the four kinds with their titles and icons, button sets and answers.
// Every box goes through the current Application, so a test's dialog hook sees it.
#pragma once

#include <cstdint>
#include <string>

namespace brontel::ui {

enum class MsgDlgType { kWarning, kError, kInformation, kConfirmation, kCustom };

// Button flags; combine with |.
enum MsgDlgButtons : std::uint32_t {
  mbYes = 1 << 0,
  mbNo = 1 << 1,
  mbOK = 1 << 2,
  mbCancel = 1 << 3,
  mbAbort = 1 << 4,
  mbRetry = 1 << 5,
  mbIgnore = 1 << 6,
};
inline constexpr MsgDlgButtons operator|(MsgDlgButtons a, MsgDlgButtons b) {
  return static_cast<MsgDlgButtons>(static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b));
}

// The answer of a box. kCancel is also the answer when the box is closed without a button.
enum class ModalResult {
  kNone = 0,
  kOk = 1,
  kCancel = 2,
  kAbort = 3,
  kRetry = 4,
  kIgnore = 5,
  kYes = 6,
  kNo = 7
};

enum class MsgIcon { kNone, kExclamation, kStop, kInformation, kQuestion };

// Everything a box shows; what the backend draws and what a dialog hook sees.
struct MessageBoxRequest {
  MsgDlgType kind = MsgDlgType::kCustom;
  std::string title;
  std::string text;
  MsgIcon icon = MsgIcon::kNone;
  MsgDlgButtons buttons = mbOK;
  // Answer of the button that Enter presses, and of the one Escape presses (kNone: none).
  ModalResult default_button = ModalResult::kNone;
  ModalResult cancel_button = ModalResult::kNone;
  // True when the box closes at once with kCancel because the application is terminating; a
  // hook is told, but its answer is not used.
  bool closed_by_termination = false;
};

// The title and icon of a kind: "Warning" with the exclamation icon, "Error" with the stop
// icon, "Information" with the information icon, "Confirm" with the question icon; a custom box
// has no icon and the application title.
MessageBoxRequest MakeMessageBox(const std::string& text, MsgDlgType kind, MsgDlgButtons buttons);

// Shows a modal box of `kind` with `buttons` through Application::Current() and returns the
// answer. With Yes among the buttons Yes is the default; with No, No is the cancel button
// (otherwise Cancel, else OK). Raises EInvalidOperation when no application exists.
ModalResult MessageDlg(const std::string& text, MsgDlgType kind, MsgDlgButtons buttons);

// A box without icon with OK, titled with the application title.
void ShowMessage(const std::string& text);

}  // namespace brontel::ui
