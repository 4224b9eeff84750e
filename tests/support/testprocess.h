#pragma once
// The folder every test program makes for itself before its first test
// (tests/support/testprocess.cpp): its settings store is "registry" there, and
// the store names "aplicacion" there as the application folder.
#include <string>

namespace tvtest {

std::string ProcessFolder();
std::string ProcessApplicationFolder();

} // namespace tvtest
