#include "serial/comunit.h"

#include "i18n/gnugettext.h"
#include "serial/comerror.h"

namespace tv {

void InitializeComPortUnit() {
    AddResourceStringDomain("cport");
    TranslateComErrorMessages([](const std::string& text) { return TranslateText(text); });
}

void FinalizeComPortUnit() { ResetComErrorMessages(); }

} // namespace tv
