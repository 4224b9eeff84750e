#include "formfixture.h"

#include "platform/controls/standardclasses.h"

namespace tvtest {

using namespace tv;
using namespace tv::win;

void FormTest::SetUp() {
    ResetDesktop();
    ClearScript();
    RegisterStandardClasses();
    InitializeUI();
    oldHook = SetMessageHook([this](const TMessageRequest& r) {
        messages.push_back(r.text);
        return mrOk;
    });
    form = new TForm(nullptr);
    form->SetBounds(20, 20, 640, 480);
    form->Show();
    ProcessPendingMessages();
}

void FormTest::TearDown() {
    delete form;
    form = nullptr;
    SetMessageHook(oldHook);
    FinalizeUI();
    ClearScript();
    ResetDesktop();
}

void FormTest::Focus(TWinControl* c) {
    c->SetFocus();
    ProcessPendingMessages();
}

void FormTest::PutClipboard(const std::string& text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardText(text);
    CloseClipboard();
}

} // namespace tvtest
