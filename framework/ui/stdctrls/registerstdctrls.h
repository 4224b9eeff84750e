#pragma once
// Makes the standard controls known: their window classes to the window
// system, their classes to the reader of stored forms. Call it at start-up
// (InitializeUI does); calling it again does nothing new.
namespace tv {

void RegisterStandardControls();

} // namespace tv
