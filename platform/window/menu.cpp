// Menus: items, the menu bar of a window and its layout.
#include "platform/window/menu.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <set>

#include "platform/boundedcache.h"
#include "platform/window/internal.h"
#include "platform/window/paint.h"
#include "platform/window/sysmetrics.h"

namespace tv::win {
namespace {

std::set<Menu*>& Menus() {
    static std::set<Menu*> menus;
    return menus;
}

// A bar item's caption width in the menu font; every layout of a bar (its
// height, an item's rectangle, a click) asks again, so widths are kept.
int TextWidth(const std::string& text) {
    static BoundedCache<int> known(64 << 10);
    if (const int* width = known.Find(text)) return *width;
    static PangoLayout* layout = [] {
        cairo_surface_t* scratch = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1);
        cairo_t* cr = cairo_create(scratch);
        PangoLayout* l = pango_cairo_create_layout(cr);
        cairo_destroy(cr);
        cairo_surface_destroy(scratch);
        PangoFontDescription* fd = pango_font_description_from_string("Sans 8");
        pango_layout_set_font_description(l, fd);
        pango_font_description_free(fd);
        return l;
    }();
    std::string plain;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) ++i;
        plain += text[i];
    }
    pango_layout_set_text(layout, plain.c_str(), -1);
    int w, h;
    pango_layout_get_pixel_size(layout, &w, &h);
    known.Put(text, w, 0);
    return w;
}

MenuItem* Item(HMENU menu, UINT pos, UINT flags, HMENU* where = nullptr, size_t* index = nullptr) {
    if (!IsMenu(menu)) return nullptr;
    if (flags & MF_BYPOSITION) {
        if (pos >= menu->items.size()) return nullptr;
        if (where) *where = menu;
        if (index) *index = pos;
        return &menu->items[pos];
    }
    for (size_t i = 0; i < menu->items.size(); ++i) {
        MenuItem& it = menu->items[i];
        if (!(it.flags & MF_POPUP) && it.id == pos) {
            if (where) *where = menu;
            if (index) *index = i;
            return &it;
        }
        if (it.subMenu)
            if (MenuItem* found = Item(it.subMenu, pos, flags, where, index)) return found;
    }
    return nullptr;
}

MenuItem MakeItem(UINT flags, UINT_PTR idOrSub, const std::string& text) {
    MenuItem it;
    it.flags = flags;
    it.text = text;
    if (flags & MF_POPUP) {
        it.subMenu = reinterpret_cast<HMENU>(idOrSub);
        it.id = idOrSub;
    } else {
        it.id = idOrSub;
    }
    return it;
}

void Changed(HMENU menu) {
    for (Menu* m : Menus())
        if (m == menu && m->owner && W(m->owner)) DrawMenuBar(m->owner);
}

// Item rectangles of a bar, in window coordinates, wrapping into rows.
std::vector<RECT> LayoutBar(Window* w, int windowWidth) {
    std::vector<RECT> rects;
    if (!HasMenuBar(w)) return rects;
    int fx = FrameWidth(w), fy = FrameHeight(w);
    int rowH = GetSystemMetrics(SM_CYMENU);
    int left = fx, right = windowWidth - fx;
    int x = left, y = fy + CaptionHeight(w);
    for (auto& item : w->menu->items) {
        int width = (item.flags & MF_SEPARATOR) ? 6 : TextWidth(item.text) + 14;
        if (x + width > right && x > left) {
            x = left;
            y += rowH;
        }
        rects.push_back({x, y, x + width, y + rowH});
        x += width;
    }
    return rects;
}

char32_t Lower(char32_t c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 32;
    return c;
}

char32_t Decode(const std::string& s, size_t i) {
    auto b = [&](size_t k) { return k < s.size() ? char32_t(static_cast<unsigned char>(s[k])) : 0; };
    char32_t c = b(i);
    if (c < 0x80) return c;
    if ((c & 0xE0) == 0xC0) return ((c & 0x1F) << 6) | (b(i + 1) & 0x3F);
    if ((c & 0xF0) == 0xE0) return ((c & 0x0F) << 12) | ((b(i + 1) & 0x3F) << 6) | (b(i + 2) & 0x3F);
    return ((c & 0x07) << 18) | ((b(i + 1) & 0x3F) << 12) | ((b(i + 2) & 0x3F) << 6) | (b(i + 3) & 0x3F);
}

// The lower-case letter after the single "&" of a caption, 0 when none.
char32_t Mnemonic(const std::string& text) {
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        return Lower(Decode(text, i + 1));
    }
    return 0;
}

} // namespace

int MenuItemFromMnemonic(HMENU menu, char32_t ch) {
    if (!IsMenu(menu)) return -1;
    ch = Lower(ch);
    for (size_t i = 0; i < menu->items.size(); ++i)
        if (!(menu->items[i].flags & (MF_SEPARATOR | MF_GRAYED | MF_DISABLED)) && Mnemonic(menu->items[i].text) == ch)
            return int(i);
    return -1;
}

HMENU CreateMenu() {
    auto* m = new Menu;
    Menus().insert(m);
    return m;
}

HMENU CreatePopupMenu() {
    HMENU m = CreateMenu();
    m->popup = true;
    return m;
}

BOOL IsMenu(HMENU menu) { return menu && Menus().count(menu) ? TRUE : FALSE; }

BOOL DestroyMenu(HMENU menu) {
    if (!IsMenu(menu)) return FALSE;
    for (auto& it : menu->items)
        if (it.subMenu) DestroyMenu(it.subMenu);
    if (menu->owner && W(menu->owner) && menu->owner->menu == menu) menu->owner->menu = nullptr;
    Menus().erase(menu);
    delete menu;
    return TRUE;
}

void DestroyMenuOwnedBy(Window* w) {
    if (w->menu && IsMenu(w->menu) && w->menu->owner == w) DestroyMenu(w->menu);
    w->menu = nullptr;
}

void ResetMenus() {
    auto all = Menus();
    for (Menu* m : all) {
        Menus().erase(m);
        delete m;
    }
}

BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR idOrSub, const std::string& text) {
    if (!IsMenu(menu)) return FALSE;
    menu->items.push_back(MakeItem(flags, idOrSub, text));
    Changed(menu);
    return TRUE;
}

BOOL InsertMenu(HMENU menu, UINT position, UINT flags, UINT_PTR idOrSub, const std::string& text) {
    if (!IsMenu(menu)) return FALSE;
    HMENU where = menu;
    size_t index = menu->items.size();
    if (!Item(menu, position, flags, &where, &index)) {
        where = menu;
        index = menu->items.size();
    }
    where->items.insert(where->items.begin() + long(index), MakeItem(flags & ~MF_BYPOSITION, idOrSub, text));
    Changed(menu);
    return TRUE;
}

BOOL ModifyMenu(HMENU menu, UINT position, UINT flags, UINT_PTR idOrSub, const std::string& text) {
    MenuItem* it = Item(menu, position, flags);
    if (!it) return FALSE;
    *it = MakeItem(flags & ~MF_BYPOSITION, idOrSub, text);
    Changed(menu);
    return TRUE;
}

BOOL RemoveMenu(HMENU menu, UINT position, UINT flags) {
    HMENU where = nullptr;
    size_t index = 0;
    if (!Item(menu, position, flags, &where, &index)) return FALSE;
    where->items.erase(where->items.begin() + long(index));
    Changed(menu);
    return TRUE;
}

BOOL DeleteMenu(HMENU menu, UINT position, UINT flags) {
    HMENU where = nullptr;
    size_t index = 0;
    MenuItem* it = Item(menu, position, flags, &where, &index);
    if (!it) return FALSE;
    HMENU sub = it->subMenu;
    where->items.erase(where->items.begin() + long(index));
    if (sub) DestroyMenu(sub);
    Changed(menu);
    return TRUE;
}

int GetMenuItemCount(HMENU menu) { return IsMenu(menu) ? int(menu->items.size()) : -1; }

UINT GetMenuItemID(HMENU menu, int pos) {
    if (!IsMenu(menu) || pos < 0 || size_t(pos) >= menu->items.size()) return UINT(-1);
    const MenuItem& it = menu->items[size_t(pos)];
    return (it.flags & MF_POPUP) ? UINT(-1) : UINT(it.id);
}

HMENU GetSubMenu(HMENU menu, int pos) {
    if (!IsMenu(menu) || pos < 0 || size_t(pos) >= menu->items.size()) return nullptr;
    return menu->items[size_t(pos)].subMenu;
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
    MenuItem* it = Item(menu, item, flags);
    return it ? it->flags : UINT(-1);
}

int GetMenuString(HMENU menu, UINT item, std::string* text, UINT flags) {
    MenuItem* it = Item(menu, item, flags);
    if (!it) return 0;
    if (text) *text = it->text;
    return int(it->text.size());
}

UINT EnableMenuItem(HMENU menu, UINT item, UINT enable) {
    MenuItem* it = Item(menu, item, enable & MF_BYPOSITION);
    if (!it) return UINT(-1);
    UINT old = it->flags & (MF_GRAYED | MF_DISABLED);
    it->flags = (it->flags & ~(MF_GRAYED | MF_DISABLED)) | (enable & (MF_GRAYED | MF_DISABLED));
    Changed(menu);
    return old;
}

UINT CheckMenuItem(HMENU menu, UINT item, UINT check) {
    MenuItem* it = Item(menu, item, check & MF_BYPOSITION);
    if (!it) return UINT(-1);
    UINT old = it->flags & MF_CHECKED;
    it->flags = (it->flags & ~MF_CHECKED) | (check & MF_CHECKED);
    return old;
}

HMENU GetMenu(HWND wnd) {
    Window* w = W(wnd);
    return w && !(w->style & WS_CHILD) ? w->menu : nullptr;
}

BOOL SetMenu(HWND wnd, HMENU menu) {
    Window* w = W(wnd);
    if (!w || (w->style & WS_CHILD)) return FALSE;
    if (menu && !IsMenu(menu)) return FALSE;
    if (w->menu && IsMenu(w->menu) && w->menu->owner == w) w->menu->owner = nullptr;
    w->menu = menu;
    if (menu) menu->owner = w;
    SetWindowPos(w, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return TRUE;
}

BOOL DrawMenuBar(HWND wnd) {
    Window* w = W(wnd);
    if (!w) return FALSE;
    SetWindowPos(w, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return TRUE;
}

BOOL GetMenuItemRect(HWND wnd, HMENU menu, UINT pos, RECT* rc) {
    Window* w = W(wnd);
    if (!w || !rc || !IsMenu(menu) || w->menu != menu) return FALSE;
    auto rects = LayoutBar(w, w->rect.Width());
    if (pos >= rects.size()) return FALSE;
    RECT r = rects[pos];
    POINT o = WindowOrigin(w);
    OffsetRect(&r, o.x, o.y);
    *rc = r;
    return TRUE;
}

int MenuItemFromPoint(HWND wnd, HMENU menu, POINT pt) {
    Window* w = W(wnd);
    if (!w || !IsMenu(menu) || w->menu != menu) return -1;
    auto rects = LayoutBar(w, w->rect.Width());
    POINT o = WindowOrigin(w);
    for (size_t i = 0; i < rects.size(); ++i) {
        RECT r = rects[i];
        OffsetRect(&r, o.x, o.y);
        if (PtInRect(&r, pt)) return int(i);
    }
    return -1;
}

BOOL SetMenuItemData(HMENU menu, UINT item, LONG_PTR data, UINT flags) {
    MenuItem* it = Item(menu, item, flags);
    if (!it) return FALSE;
    it->data = data;
    return TRUE;
}

LONG_PTR GetMenuItemData(HMENU menu, UINT item, UINT flags) {
    MenuItem* it = Item(menu, item, flags);
    return it ? it->data : 0;
}

int GetMenuBarHeight(HWND wnd, int windowWidth) {
    Window* w = W(wnd);
    if (!w || !HasMenuBar(w)) return 0;
    auto rects = LayoutBar(w, windowWidth);
    int rowH = GetSystemMetrics(SM_CYMENU);
    if (rects.empty()) return rowH;
    int top = rects.front().top;
    return rects.back().bottom - top;
}

} // namespace tv::win
