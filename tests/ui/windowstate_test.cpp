// Forms through resizes of the screen, minimising and restoring, and MDI
// children made in any order of calls: no window is lost from view.
#include "uifixture.h"

#include "framework/ui/graphics.h"
#include "platform/region.h"
#include "platform/window/paint.h"
#include "platform/window/queue.h"
#include "platform/window/sysmetrics.h"
#include "platform/window/window.h"

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

class TMdiChild : public TForm {
    TV_CLASS(TMdiChild, TForm)
public:
    using TForm::TForm;
};

COLORREF ScreenPixel(int x, int y) {
    UpdateAllWindows();
    cairo_surface_t* s = GetDesktopSurface();
    cairo_surface_flush(s);
    auto* row = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(s) +
                                                       y * cairo_image_surface_get_stride(s));
    std::uint32_t p = row[x] & 0xFFFFFF;
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

RECT ScreenRect() { return {0, 0, ScreenWidth(), ScreenHeight()}; }

bool Covers(const RECT& outer, const RECT& inner) {
    return outer.left <= inner.left && outer.top <= inner.top && outer.right >= inner.right &&
           outer.bottom >= inner.bottom;
}

RECT WindowRectOf(TWinControl* c) {
    RECT r;
    GetWindowRect(c->Handle(), &r);
    return r;
}

// The form a person sees at a point of the screen.
HWND FormAt(int x, int y) { return GetAncestor(WindowFromPoint({x, y}), GA_ROOT); }

// The station's arrangement: a maximised MDI main form with a maximised modal
// form over it, whose edit takes what is typed.
TEST_F(UiTest, AMaximisedModalFormOverAMaximisedMdiFormStaysInViewThroughResizes) {
    TForm* main = nullptr;
    Application->CreateForm(main);
    main->SetFormStyle(fsMDIForm);
    main->SetWindowState(wsMaximized);
    main->Show();
    Application->ProcessMessages();
    auto* query = NewForm<TForm>(main);
    query->SetColor(clYellow);
    auto* edit = new TTestEdit(query);
    edit->SetParent(query);
    query->SetWindowState(wsMaximized);

    struct Seen {
        std::string when;
        bool onTop, painted, covers, inView;
    };
    std::vector<Seen> seen;
    auto look = [&](const std::string& when) {
        RECT r = WindowRectOf(query), screen = ScreenRect(), shown;
        IntersectRect(&shown, &r, &screen);
        int x = (shown.left + shown.right) / 2, y = (shown.top + shown.bottom) / 2;
        seen.push_back({when, FormAt(x, y) == query->Handle(), ScreenPixel(x, y) == RGB(255, 255, 0),
                        Covers(r, ScreenRect()), shown.Width() >= 100 && shown.Height() >= 20});
    };
    auto resize = [&](int w, int h, const std::string& when) {
        ScriptStep([=] { SetScreenSize(w, h); });
        ScriptStep([=] { look(when); });
    };
    resize(1100, 850, "maximised, larger");
    resize(800, 600, "maximised, smaller");
    // Restored from its system menu, then the screen changes under it.
    ScriptStep([] {
        Key(VK_SPACE, false, false, true);
        Key('R');
    });
    resize(1024, 768, "restored");
    resize(700, 500, "restored, smaller than its place");
    ScriptStep([] {
        Key(VK_SPACE, false, false, true);
        Key('N');
    });
    resize(1100, 850, "minimised");
    ScriptStep([] {
        Key(VK_SPACE, false, false, true);
        Key('R');
    });
    ScriptStep([&] { look("restored from minimised"); });
    ScriptStep([] {
        Key(VK_SPACE, false, false, true);
        Key('X');
    });
    resize(1024, 768, "maximised again");
    ScriptStep([] { TypeText("7700000000019"); });
    ScriptStep([&] { query->SetModalResult(mrOk); });
    query->ShowModal();

    ASSERT_EQ(seen.size(), 7u);
    for (const Seen& s : seen) {
        SCOPED_TRACE(s.when);
        EXPECT_TRUE(s.onTop);
        EXPECT_TRUE(s.inView);
        if (s.when != "minimised") {
            EXPECT_TRUE(s.painted);
        }
        if (s.when.rfind("maximised", 0) == 0) {
            EXPECT_TRUE(s.covers);
        }
    }
    EXPECT_EQ(edit->typed, "7700000000019");
}

TEST_F(UiTest, AMaximisedMdiChildFollowsItsFrameAndAMinimisedOneStaysInView) {
    TForm* main = nullptr;
    Application->CreateForm(main);
    main->SetFormStyle(fsMDIForm);
    main->SetWindowState(wsMaximized);
    main->Show();
    auto* small = new TMdiChild(Application);
    small->SetFormStyle(fsMDIChild);
    auto* big = new TMdiChild(Application);
    big->SetFormStyle(fsMDIChild);
    big->SetColor(clYellow);
    big->SetWindowState(wsMaximized);
    Application->ProcessMessages();
    ASSERT_EQ(main->ActiveMDIChild(), big);
    for (auto [w, h] : {std::pair{1100, 850}, {640, 480}, {1024, 768}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        SetScreenSize(w, h);
        Application->ProcessMessages();
        RECT client, child;
        GetClientRect(main->ClientHandle(), &client);
        GetClientRect(big->Handle(), &child);
        EXPECT_EQ(child.Width(), client.Width());
        EXPECT_EQ(child.Height(), client.Height());
        POINT mid{client.Width() / 2, client.Height() / 2};
        ClientToScreen(main->ClientHandle(), &mid);
        EXPECT_EQ(GetAncestor(WindowFromPoint(mid), GA_ROOT), main->Handle());
        EXPECT_EQ(ScreenPixel(mid.x, mid.y), RGB(255, 255, 0));
    }
    // A minimised child keeps its place at the bottom of the frame's client
    // area as the frame grows and shrinks.
    big->SetWindowState(wsNormal);
    small->SetWindowState(wsMinimized);
    for (auto [w, h] : {std::pair{1100, 850}, {640, 480}}) {
        SetScreenSize(w, h);
        Application->ProcessMessages();
        RECT client, icon;
        GetClientRect(main->ClientHandle(), &client);
        GetWindowRect(small->Handle(), &icon);
        ScreenToClient(main->ClientHandle(), reinterpret_cast<POINT*>(&icon.left));
        ScreenToClient(main->ClientHandle(), reinterpret_cast<POINT*>(&icon.right));
        EXPECT_TRUE(Covers(client, icon)) << w << "x" << h;
        EXPECT_EQ(icon.bottom, client.bottom);
    }
}

// Children made before their frame was ever shown (another program's order
// of calls): nothing recurses, and they show with it.
TEST_F(UiTest, MdiChildrenMadeWhileTheFrameIsHiddenShowWithIt) {
    TForm* main = nullptr;
    Application->CreateForm(main);
    main->SetFormStyle(fsMDIForm);
    main->SetBounds(0, 0, 640, 480);
    auto* first = new TMdiChild(Application);
    first->SetFormStyle(fsMDIChild);
    auto* second = new TMdiChild(Application);
    second->SetFormStyle(fsMDIChild);
    auto* edit = new TTestEdit(second);
    edit->SetParent(second);
    second->SetActiveControl(edit);
    EXPECT_FALSE(IsWindowVisible(main->Handle()));
    main->Show();
    Application->ProcessMessages();
    EXPECT_TRUE(IsWindowVisible(first->Handle()));
    EXPECT_TRUE(IsWindowVisible(second->Handle()));
    EXPECT_EQ(main->ActiveMDIChild(), second);
    EXPECT_EQ(GetActiveWindow(), main->Handle());
    Key('A');
    Application->ProcessMessages();
    EXPECT_EQ(edit->typed, "a");
}

} // namespace
} // namespace tvtest
