#pragma once
// The standard window classes of the platform: edit, list box, combo box,
// month calendar, tool tip, scroll bar, header, list view and tree view.
// Registering is explicit (a static library drops self-registering
// objects); calling it again does nothing, and after a desktop reset it
// registers the classes anew.
namespace tv::win {

void RegisterStandardClasses();

} // namespace tv::win
