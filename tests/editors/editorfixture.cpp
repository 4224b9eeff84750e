#include "editorfixture.h"

#include "support/headless_ui.h"
#include "framework/ui/dialogs.h"
#include "platform/controls/standardclasses.h"
#include "platform/gdi/gdi.h"

namespace tvtest {

using namespace tv;
using namespace tv::win;

void EditorTest::SetUp() {
    clock = StartHeadlessUI();
    SetMessageHook([this](const TMessageRequest& r) {
        said.push_back(r.text);
        return mrOk;
    });
    form = new TForm(nullptr);
    form->SetBounds(20, 20, 640, 480);
    form->Show();
    ProcessPendingMessages();
}

void EditorTest::TearDown() {
    delete form;
    form = nullptr;
    SetMessageHook({});
    StopHeadlessUI();
}

POINT EditorTest::At(TControl* c, int x, int y) { return c->ClientToScreen({x, y}); }

void EditorTest::Focus(TWinControl* c) {
    c->SetFocus();
    ProcessPendingMessages();
}

void EditorTest::Tick(int ms) {
    clock->Advance(std::uint64_t(ms));
    Application->ProcessMessages();
}

COLORREF PixelAt(HDC dc, int x, int y) { return GetPixel(dc, x, y) & 0xFFFFFF; }

} // namespace tvtest
