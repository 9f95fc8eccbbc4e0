// Input as a person gives it, delivered through Qt's own event path, for tests. The header is
// free of Qt so that tests above the forms layer can use it. Every call returns after the
// handlers it caused have run. The controls must have peers (belong to a loaded form).
#pragma once

#include <cstdint>
#include <string>

#include "ui/directory_list_box.h"
#include "ui/drive_combo_box.h"
#include "ui/edit.h"
#include "ui/form.h"

namespace brontel::ui::qt::testing {

enum class Key { kEnter, kEscape, kTab, kSpace };

// Shows the form if needed and makes its window the active one, so that it has the keyboard.
// Returns false when the window system did not activate it.
bool ActivateWindow(Form& form);
// A left click in the middle of the control.
void Click(Control& control);
// A key pressed and released on whatever has the focus in `form` (the form itself when no
// control has it).
void PressKey(Form& form, Key key);
// Typing `text` into the edit box (which takes the focus).
void TypeText(Edit& edit, const std::string& text);
// Closing the window as its close box does.
void CloseWindow(Form& form);
// Choosing line `index` of the drive box's list.
void ChooseDrive(DriveComboBox& box, int index);
// A double-click on line `index` of the folder list.
void DoubleClickItem(DirectoryListBox& list, int index);
// The colour (0xRRGGBB) of screen pixel (x, y) of the form's client area, from a grab of it.
std::uint32_t GrabPixel(Form& form, int x, int y);
// Saves a grab of the form's client area as a PNG; false on failure.
bool SaveGrab(Form& form, const std::string& path);

}  // namespace brontel::ui::qt::testing
