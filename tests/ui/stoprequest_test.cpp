// A stop request from the desktop (SIGTERM, or the close of the host window)
// arrives as WM_CLOSE on the application window, as the desktop backend posts
// it: it closes the main form once, whatever window is active.
#include "uifixture.h"

#include "framework/ui/stdctrls/edit.h"
#include "platform/window/queue.h"
#include "platform/window/window.h"

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

TEST_F(UiTest, AStopRequestEndsTheProgramThroughTheMainFormWithADialogOpen) {
    TForm* main = nullptr;
    Application->CreateForm(main);
    int closes = 0;
    main->OnClose = [&](TObject*, TCloseAction&) { ++closes; };
    auto* setup = new TForm(main);
    auto* inner = new TForm(main);
    TModalResult setupResult = mrNone, innerResult = mrNone;
    ScriptStep([&] { setupResult = setup->ShowModal(); });
    ScriptStep([&] { innerResult = inner->ShowModal(); });
    ScriptStep([&] { PostMessage(GetApplicationWindow(), WM_CLOSE, 0, 0); });
    Application->Run();
    EXPECT_TRUE(Application->Terminated());
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(innerResult, mrCancel);
    EXPECT_EQ(setupResult, mrCancel);
}

TEST_F(UiTest, AMainFormThatRefusesToCloseKeepsTheProgramRunning) {
    TForm* main = nullptr;
    Application->CreateForm(main);
    bool refuse = true;
    main->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = !refuse; };
    main->Show();
    PostMessage(GetApplicationWindow(), WM_CLOSE, 0, 0);
    ProcessPendingMessages();
    EXPECT_FALSE(Application->Terminated());
    EXPECT_TRUE(main->Visible());
    refuse = false;
    PostMessage(GetApplicationWindow(), WM_CLOSE, 0, 0);
    ProcessPendingMessages();
    EXPECT_TRUE(Application->Terminated());
}

} // namespace
} // namespace tvtest
