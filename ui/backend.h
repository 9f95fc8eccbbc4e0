// What the forms layer asks of a toolkit. The backend draws the controls through one peer per
// control, runs the toolkit's event loop and shows message boxes. Only the backend knows the
// toolkit; everything above talks to these two interfaces.
#pragma once

#include <functional>
#include <memory>
#include <span>

#include "ui/message_dlg.h"

namespace brontel::ui {

class Control;

// What changed on a control; the peer reads the new state from the control itself.
enum class Aspect {
  kBounds,
  kVisible,
  kEnabled,
  kText,  // caption or edit text
  kFont,
  kColor,
  kTabOrder,
  kContent,  // class-specific state: items, value, picture, bevels, default flag, border...
};

// A control's counterpart in the toolkit. Owned by its control and destroyed before it.
class Peer {
 public:
  virtual ~Peer() = default;
  virtual void Sync(Aspect aspect) = 0;
  // Repaints the control now, before returning (not at the next turn of the event loop). Does
  // nothing while the control is not on screen.
  virtual void PaintNow() = 0;
  virtual void SetFocus() = 0;
  // Whether the control has the keyboard focus. A form's peer: its window is the active one
  // and no control in it has the focus.
  virtual bool HasFocus() const = 0;
};

class Backend {
 public:
  virtual ~Backend() = default;

  // Makes the peer of `control`. The peer of its parent exists already (a form has none).
  // The new peer shows the control's whole current state.
  virtual std::unique_ptr<Peer> CreatePeer(Control& control) = 0;

  // Waits until at least one event is there, then handles the pending ones.
  virtual void WaitAndProcess() = 0;
  // Handles every pending event and returns without waiting.
  virtual void ProcessMessages() = 0;
  // Makes a WaitAndProcess that is waiting return.
  virtual void Wake() = 0;
  // Runs `task` from the event loop later, once.
  virtual void Post(std::function<void()> task) = 0;

  // Shows a modal box and waits for its answer; other windows take no input meanwhile.
  virtual ModalResult ShowMessageBox(const MessageBoxRequest& request) = 0;
  // The program's icon for its windows, from picture bytes (BMP, PNG, XPM) that outlive it.
  virtual void SetIcon(std::span<const unsigned char> picture) = 0;
};

}  // namespace brontel::ui
