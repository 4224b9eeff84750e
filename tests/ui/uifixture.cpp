#include "uifixture.h"

#include <list>

#include "core/object.h"
#include "core/resources.h"
#include "platform/window/queue.h"

namespace tvtest {

using namespace tv;
using namespace tv::win;

TTestEdit::TTestEdit(TComponent* owner) : TCustomControl(owner) {
    SetTabStop(true);
    SetBounds(0, 0, 100, 21);
}

void TTestEdit::Publish(TPublisher& p) {
    p.Boolean("TabStop", &TTestEdit::TabStop, &TTestEdit::SetTabStop).Default(true);
}

void TTestEdit::Dispatch(Message& msg) {
    if (msg.Msg == WM_GETDLGCODE) {
        msg.Result = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
        return;
    }
    if (msg.Msg == WM_CHAR && msg.WParam >= 32) typed += char(msg.WParam);
    TCustomControl::Dispatch(msg);
}

void UiTest::SetUp() {
    ResetDesktop();
    ClearScript();
    clock = std::make_shared<FakeClock>(100000);
    SetClock(clock);
    InitializeUI();
    RegisterClass(TTestEdit::StaticClass());
    SetMessageHook([this](const TMessageRequest& r) {
        said.push_back(r);
        if (answers.empty()) return r.buttons.Contains(mbOK) ? mrOk : mrCancel;
        TModalResult a = answers.front();
        answers.pop_front();
        return a;
    });
    SetBeepHook([this] { ++beeps; });
}

void UiTest::TearDown() {
    FinalizeUI();
    SetMessageHook({});
    SetBeepHook({});
    ClearScript();
    ResetDesktop();
}

void UiTest::Key(int vk, bool shift, bool ctrl, bool alt) {
    if (shift) InjectKey(VK_SHIFT, true);
    if (ctrl) InjectKey(VK_CONTROL, true);
    if (alt) InjectKey(VK_MENU, true);
    InjectKey(vk, true);
    InjectKey(vk, false);
    if (alt) InjectKey(VK_MENU, false);
    if (ctrl) InjectKey(VK_CONTROL, false);
    if (shift) InjectKey(VK_SHIFT, false);
}

void UiTest::Press(int vk, bool shift, bool ctrl, bool alt) {
    Key(vk, shift, ctrl, alt);
    Application->ProcessMessages();
}

void UiTest::ClickAt(TControl* c, int x, int y) {
    POINT p = c->ClientToScreen({x, y});
    InjectMouseMove(p.x, p.y);
    InjectMouseButton(0, true, p.x, p.y);
    InjectMouseButton(0, false, p.x, p.y);
    Application->ProcessMessages();
}

void UiTest::Define(const std::string& className, const std::string& text) {
    static std::list<std::string> keep;
    keep.push_back(text);
    RegisterResource("forms/" + className + ".dfm", keep.back().data(), keep.back().size());
}

} // namespace tvtest
