#include "serial/comunit.h"

#include "i18n/gnugettext.h"
#include "serial/comerror.h"
#include "serial/comsetup.h"
#include "serial/comsetupform.h"

namespace tv {

void InitializeComPortUnit() {
    AddResourceStringDomain("cport");
    TranslateComErrorMessages([](const std::string& text) { return TranslateText(text); });
    RegisterComSetupClasses();
    SetComSetupViewFactory(&NewComSetupView);
}

void FinalizeComPortUnit() {
    SetComSetupViewFactory(nullptr);
    ResetComErrorMessages();
}

} // namespace tv
