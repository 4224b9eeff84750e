#include "gridservices/preview/previewcursors.h"

#include "core/exceptions.h"
#include "core/resources.h"
#include "framework/ui/screen.h"
#include "platform/window/cursor.h"

namespace tv {

namespace {

struct Registered {
    TScreen* screen = nullptr; // the screen the numbers belong to
    TCursor magnifier = crDefault, hand = crDefault;
};

Registered& R() {
    static Registered r;
    return r;
}

TCursor Add(const char* name) {
    auto data = FindResource(std::string(name) + ".cur");
    win::HCURSOR cursor =
        data ? win::LoadCursorFromMemory(name, reinterpret_cast<const unsigned char*>(data->data()), data->size())
             : nullptr;
    if (!cursor) throw Exception("Cannot load cursor resource");
    // The first number still showing the arrow is free.
    win::HCURSOR arrow = Screen->Cursors(crArrow);
    for (TCursor i = 1; i <= TScreen::kMaxUserCursors; ++i)
        if (Screen->Cursors(i) == arrow) {
            Screen->SetCursors(i, cursor);
            return i;
        }
    win::DestroyCursor(cursor);
    throw EOutOfResources("Too many user-defined cursors");
}

void Register() {
    Registered& r = R();
    if (r.screen == Screen && r.magnifier != crDefault) return;
    if (!Screen) return;
    r.magnifier = Add("MAGNIFIEREH");
    r.hand = Add("HANDEH");
    r.screen = Screen;
}

} // namespace

TCursor MagnifierCursor() {
    Register();
    return R().magnifier;
}

TCursor HandCursor() {
    Register();
    return R().hand;
}

} // namespace tv
