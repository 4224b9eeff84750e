// Dragging one control onto another by the mouse, as a hand does: the
// targets' answers and cursors, the drop, the threshold, Esc, and docking.
#include "framework/ui/graphiccontrols.h"
#include "platform/window/cursor.h"
#include "uifixture.h"

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

class DragDropTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        form = new TForm(nullptr);
        form->SetBounds(20, 20, 400, 300);
        source = Make(10, "source");
        target = Make(200, "target");
        refuser = Make(300, "refuser");
        source->SetDragMode(dmAutomatic);
        form->Show();
        Application->ProcessMessages();
        source->OnStartDrag = [this](TObject*, TDragObject*&) { seen.push_back("start"); };
        source->OnEndDrag = [this](TObject*, TObject* t, int x, int y) {
            seen.push_back("end " + Who(t) + " " + std::to_string(x) + "," + std::to_string(y));
        };
        target->OnDragOver = [this](TObject*, TObject* src, int, int, TDragState st, bool& accept) {
            seen.push_back(std::string(st == dsDragEnter   ? "enter"
                                       : st == dsDragLeave ? "leave"
                                                           : "over") +
                           " " + Who(src));
            EXPECT_TRUE(accept); // taken unless the handler says no
        };
        target->OnDragDrop = [this](TObject*, TObject* src, int x, int y) {
            seen.push_back("drop " + Who(src) + " " + std::to_string(x) + "," + std::to_string(y));
        };
        refuser->OnDragOver = [this](TObject*, TObject*, int, int, TDragState st, bool& accept) {
            if (st == dsDragEnter) seen.push_back("refuse");
            accept = false;
        };
    }
    void TearDown() override {
        delete form;
        Mouse->SetDragImmediate(true);
        Mouse->SetDragThreshold(5);
        UiTest::TearDown();
    }
    TTestEdit* Make(int left, const std::string& name) {
        auto* c = new TTestEdit(form);
        c->SetName(name);
        c->SetBounds(left, 40, 80, 40);
        c->SetParent(form);
        return c;
    }
    static std::string Who(TObject* o) {
        auto* c = dynamic_cast<TComponent*>(o);
        return c ? c->Name() : "none";
    }
    POINT At(TControl* c, int x = 20, int y = 20) { return c->ClientToScreen({x, y}); }
    std::vector<std::string> Take() {
        std::vector<std::string> out;
        out.swap(seen);
        return out;
    }
    // The events without the "over" of every move.
    std::vector<std::string> TakeSteps() {
        std::vector<std::string> out;
        for (auto& s : Take())
            if (s.rfind("over ", 0) != 0) out.push_back(s);
        return out;
    }

    TForm* form = nullptr;
    TTestEdit *source = nullptr, *target = nullptr, *refuser = nullptr;
    std::vector<std::string> seen;
};

TEST_F(DragDropTest, AnAutomaticDragDropsOnTheControlThatTakesIt) {
    form->SetActiveControl(refuser);
    POINT from = At(source), to = At(target, 30, 15);
    QueueMouseDown(from.x, from.y);
    QueueMouseMove(to.x - 2, to.y);
    QueueMouseMove(to.x, to.y);
    Application->ProcessMessages();
    EXPECT_EQ(GetCursor(), Screen->Cursors(crDrag)); // taken: the source's DragCursor
    EXPECT_TRUE(source->Dragging());
    QueueMouseUp(to.x, to.y);
    Application->ProcessMessages();
    EXPECT_EQ(Take(), (std::vector<std::string>{"start", "enter source", "over source", "over source",
                                                "drop source 30,15", "end target 30,15"}));
    EXPECT_FALSE(source->Dragging());
    EXPECT_NE(GetCapture(), source->Handle());
    // The press on the source went to the drag, not to the control: the focus stayed.
    EXPECT_TRUE(refuser->Focused());
}

TEST_F(DragDropTest, WhereNothingTakesItTheDragEndsWithoutATarget) {
    struct Case {
        TControl* over;
        bool escape;
        std::vector<std::string> steps;
    } cases[] = {
        // A control whose handler says no: the cursor says so too.
        {refuser, false, {"start", "refuse", "end none 20,20"}},
        // The form has no OnDragOver: nobody takes it.
        {form, false, {"start", "end none 20,20"}},
        // Esc over a control that took it: it hears the drag leave.
        {target, true, {"start", "enter source", "leave source", "end none 20,20"}},
    };
    for (const Case& c : cases) {
        POINT from = At(source), to = c.over == form ? form->ClientToScreen({150, 200}) : At(c.over);
        QueueMouseDown(from.x, from.y);
        QueueMouseMove(to.x, to.y);
        Application->ProcessMessages();
        if (c.over == refuser) EXPECT_EQ(GetCursor(), Screen->Cursors(crNoDrop));
        if (c.escape) {
            QueueKey(VK_ESCAPE);
            Application->ProcessMessages();
            EXPECT_FALSE(source->Dragging());
        }
        QueueMouseUp(to.x, to.y);
        Application->ProcessMessages();
        std::vector<std::string> steps = TakeSteps();
        // The end is told in the source's coordinates: check where it was told.
        POINT rel = source->ScreenToClient(to);
        std::string end = "end none " + std::to_string(rel.x) + "," + std::to_string(rel.y);
        std::vector<std::string> want = c.steps;
        want.back() = end;
        EXPECT_EQ(steps, want);
        EXPECT_FALSE(source->Dragging());
        clock->Advance(1000);
    }
    // The key that cancelled went to the drag, not to the focused control.
    EXPECT_TRUE(source->typed.empty());
}

TEST_F(DragDropTest, AThresholdWaitsForTheMouseToMoveThatFar) {
    Mouse->SetDragImmediate(false);
    Mouse->SetDragThreshold(8);
    POINT from = At(source);
    QueueMouseDown(from.x, from.y);
    QueueMouseMove(from.x + 7, from.y); // short of it: nothing shows yet
    Application->ProcessMessages();
    EXPECT_EQ(Take(), (std::vector<std::string>{"start"}));
    EXPECT_TRUE(source->Dragging());
    QueueMouseUp(from.x + 7, from.y); // released there: no target
    Application->ProcessMessages();
    EXPECT_EQ(Take(), (std::vector<std::string>{"end none 27,20"}));

    clock->Advance(1000);
    POINT to = At(target);
    QueueMouseDown(from.x, from.y);
    QueueMouseMove(from.x + 8, from.y);
    QueueMouseMove(to.x, to.y);
    QueueMouseUp(to.x, to.y);
    Application->ProcessMessages();
    EXPECT_EQ(TakeSteps(),
              (std::vector<std::string>{"start", "enter source", "drop source 20,20", "end target 20,20"}));
}

TEST_F(DragDropTest, ADragStartedFromAPressEndsThePressWithoutAClick) {
    source->SetDragMode(dmManual);
    source->SetControlStyle(source->ControlStyle() + csClickEvents);
    int clicks = 0;
    source->OnClick = [&](TObject*) { ++clicks; };
    source->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { source->BeginDrag(false); };
    source->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { seen.push_back("up"); };
    POINT from = At(source), to = At(target);
    QueueDrag(from.x, from.y, to.x, to.y);
    Application->ProcessMessages();
    EXPECT_EQ(TakeSteps(),
              (std::vector<std::string>{"up", "start", "enter source", "drop source 20,20", "end target 20,20"}));
    EXPECT_EQ(clicks, 0);
}

TEST_F(DragDropTest, ADockDragTellsItsStartAndEndAndAsksNoTarget) {
    source->SetDragKind(dkDock);
    source->OnStartDock = [this](TObject*, TDragDockObject*&) { seen.push_back("start dock"); };
    source->OnEndDock = [this](TObject*, TObject* t, int, int) { seen.push_back("end dock " + Who(t)); };
    POINT from = At(source), to = At(target);
    QueueDrag(from.x, from.y, to.x, to.y);
    Application->ProcessMessages();
    EXPECT_EQ(Take(), (std::vector<std::string>{"start dock", "end dock none"}));
}

TEST_F(DragDropTest, ASourceFreedDuringItsDragLeavesNothingBehind) {
    POINT from = At(source), to = At(target);
    target->OnDragOver = [this](TObject*, TObject*, int, int, TDragState, bool&) {
        delete source;
        source = nullptr;
    };
    QueueMouseDown(from.x, from.y);
    QueueMouseMove(to.x, to.y);
    QueueMouseUp(to.x, to.y);
    Application->ProcessMessages();
    EXPECT_EQ(source, nullptr);
    EXPECT_FALSE(TDragEngine::Active());
    EXPECT_EQ(GetCapture(), nullptr);
}

} // namespace
} // namespace tvtest
