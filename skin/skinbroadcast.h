#pragma once
// How a skin change reaches the program's forms: their redrawing held back
// while the skin is applied, the skin message sent to every form and
// control, and the forms redrawn at the end.
#include "platform/window/messages.h"

namespace tv {

class TsSkinManager;
class TWinControl;

// WM_SETREDRAW off for every visible top-level form that is no MDI child.
void LockFormsRedraw();
// Redrawing on again; with `repaint` the forms are redrawn with their frames.
void UnlockFormsRedraw(TsSkinManager* sm, bool repaint);
// The message to every form (last first), its controls and its MDI client window.
void BroadcastToForms(win::Message& msg);
// The message to every control below `parent`, depth first.
void BroadcastToChildren(TWinControl* parent, win::Message& msg);

// The three broadcasts of a skin change.
void ApplySkinToForms(TsSkinManager& sm);
void RepaintSkinnedForms(TsSkinManager& sm);
void RemoveSkinFromForms(TsSkinManager& sm);

} // namespace tv
