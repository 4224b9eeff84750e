#include "platform/backend/sdlbackend.h"

#include <SDL2/SDL.h>
#include <dlfcn.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <string_view>

#include "core/exceptions.h"
#include "core/strutils.h"
#include "platform/window/cursor.h"
#include "platform/window/desktop.h"
#include "platform/window/input.h"
#include "platform/window/paint.h"
#include "platform/window/queue.h"
#include "platform/window/rawinput.h"
#include "platform/window/window.h"

namespace tv::win {

namespace {

int VirtualKey(SDL_Keycode k) {
    if (k >= SDLK_a && k <= SDLK_z) return int('A' + (k - SDLK_a)) | kTextKey;
    if (k >= SDLK_0 && k <= SDLK_9) return int('0' + (k - SDLK_0)) | kTextKey;
    if (k >= SDLK_F1 && k <= SDLK_F12) return VK_F1 + int(k - SDLK_F1);
    if (k >= SDLK_KP_1 && k <= SDLK_KP_9) return (VK_NUMPAD0 + 1 + int(k - SDLK_KP_1)) | kTextKey;
    switch (k) {
    case SDLK_RETURN: case SDLK_KP_ENTER: return VK_RETURN;
    case SDLK_ESCAPE: return VK_ESCAPE;
    case SDLK_BACKSPACE: return VK_BACK;
    case SDLK_TAB: return VK_TAB;
    case SDLK_SPACE: return VK_SPACE | kTextKey;
    case SDLK_LEFT: return VK_LEFT;
    case SDLK_RIGHT: return VK_RIGHT;
    case SDLK_UP: return VK_UP;
    case SDLK_DOWN: return VK_DOWN;
    case SDLK_HOME: return VK_HOME;
    case SDLK_END: return VK_END;
    case SDLK_PAGEUP: return VK_PRIOR;
    case SDLK_PAGEDOWN: return VK_NEXT;
    case SDLK_INSERT: return VK_INSERT;
    case SDLK_DELETE: return VK_DELETE;
    case SDLK_LSHIFT: return VK_LSHIFT;
    case SDLK_RSHIFT: return VK_RSHIFT;
    case SDLK_LCTRL: return VK_LCONTROL;
    case SDLK_RCTRL: return VK_RCONTROL;
    case SDLK_LALT: return VK_LMENU;
    case SDLK_RALT: return VK_RMENU;
    case SDLK_CAPSLOCK: return VK_CAPITAL;
    case SDLK_NUMLOCKCLEAR: return VK_NUMLOCK;
    case SDLK_SCROLLLOCK: return VK_SCROLL;
    case SDLK_PAUSE: return VK_PAUSE;
    case SDLK_PRINTSCREEN: return VK_SNAPSHOT;
    case SDLK_APPLICATION: return VK_APPS;
    case SDLK_KP_0: return VK_NUMPAD0 | kTextKey;
    case SDLK_KP_PLUS: return VK_ADD | kTextKey;
    case SDLK_KP_MINUS: return VK_SUBTRACT | kTextKey;
    case SDLK_KP_MULTIPLY: return VK_MULTIPLY | kTextKey;
    case SDLK_KP_DIVIDE: return VK_DIVIDE | kTextKey;
    case SDLK_KP_PERIOD: return VK_DECIMAL | kTextKey;
    case SDLK_SEMICOLON: return VK_OEM_1 | kTextKey;
    case SDLK_EQUALS: case SDLK_PLUS: return VK_OEM_PLUS | kTextKey;
    case SDLK_COMMA: return VK_OEM_COMMA | kTextKey;
    case SDLK_MINUS: return VK_OEM_MINUS | kTextKey;
    case SDLK_PERIOD: return VK_OEM_PERIOD | kTextKey;
    case SDLK_SLASH: return VK_OEM_2 | kTextKey;
    case SDLK_BACKQUOTE: return VK_OEM_3 | kTextKey;
    default: return 0;
    }
}

SDL_SystemCursor SystemCursor(int id) {
    switch (id) {
    case IDC_IBEAM: return SDL_SYSTEM_CURSOR_IBEAM;
    case IDC_WAIT: return SDL_SYSTEM_CURSOR_WAIT;
    case IDC_APPSTARTING: return SDL_SYSTEM_CURSOR_WAITARROW;
    case IDC_CROSS: return SDL_SYSTEM_CURSOR_CROSSHAIR;
    case IDC_SIZENWSE: return SDL_SYSTEM_CURSOR_SIZENWSE;
    case IDC_SIZENESW: return SDL_SYSTEM_CURSOR_SIZENESW;
    case IDC_SIZEWE: return SDL_SYSTEM_CURSOR_SIZEWE;
    case IDC_SIZENS: return SDL_SYSTEM_CURSOR_SIZENS;
    case IDC_SIZEALL: return SDL_SYSTEM_CURSOR_SIZEALL;
    case IDC_NO: return SDL_SYSTEM_CURSOR_NO;
    case IDC_HAND: return SDL_SYSTEM_CURSOR_HAND;
    default: return SDL_SYSTEM_CURSOR_ARROW;
    }
}

// The X display went away (the server stopped, the session ended). The X
// library would end the program through exit(), whose clean-up then talks to
// the dead display and spins for ever; nothing can be shown any more, so the
// station ends at once. What the database holds is safe: a transaction left
// open is rolled back by the engine.
int DisplayLost(void*) {
    static const char kMessage[] = "Se perdió la conexión con la pantalla; la estación termina.\n";
    ssize_t ignored = ::write(STDERR_FILENO, kMessage, sizeof kMessage - 1);
    (void)ignored;
    ::_exit(1);
}

// SDL loads the X library itself; its handler is set through the loaded library,
// so the program does not link the X library for this one call.
void EndOnLostDisplay() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver || std::string_view(driver) != "x11") return;
    void* x11 = ::dlopen("libX11.so.6", RTLD_LAZY | RTLD_NOLOAD);
    if (!x11) return;
    using Handler = int (*)(void*);
    using SetHandler = Handler (*)(Handler);
    if (auto set = reinterpret_cast<SetHandler>(::dlsym(x11, "XSetIOErrorHandler"))) set(DisplayLost);
    ::dlclose(x11);
}

} // namespace

struct SdlBackend::Impl {
    SDL_Window* window = nullptr;
    // The desktop's pixels as SDL sees them (Cairo's memory, not a copy).
    SDL_Surface* source = nullptr;
    std::map<HCURSOR, SDL_Cursor*> cursors;
    // An event of our own that only ends a wait; Handle lets it pass.
    Uint32 wakeEvent = SDL_USEREVENT;

    void Handle(const SDL_Event& e) {
        switch (e.type) {
        case SDL_QUIT:
            // A stop request (SIGTERM, or closing the host window) closes the
            // whole program once, whatever window is active: it goes to the
            // application window, which closes the main window.
            if (!PostMessage(GetApplicationWindow(), WM_CLOSE, 0, 0)) PostQuitMessage(0);
            break;
        case SDL_WINDOWEVENT:
            if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) SetScreenSize(e.window.data1, e.window.data2);
            else if (e.window.event == SDL_WINDOWEVENT_EXPOSED) Present();
            break;
        case SDL_MOUSEMOTION: InjectMouseMove(e.motion.x, e.motion.y); break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            int button = e.button.button == SDL_BUTTON_RIGHT ? 1 : e.button.button == SDL_BUTTON_MIDDLE ? 2 : 0;
            InjectMouseButton(button, e.type == SDL_MOUSEBUTTONDOWN, e.button.x, e.button.y);
            break;
        }
        case SDL_MOUSEWHEEL: {
            int x = 0, y = 0;
            SDL_GetMouseState(&x, &y);
            int dy = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y;
            if (dy) InjectMouseWheel(dy * WHEEL_DELTA, x, y);
            break;
        }
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            if (int vk = VirtualKey(e.key.keysym.sym)) InjectKey(vk, e.type == SDL_KEYDOWN);
            break;
        case SDL_TEXTINPUT: {
            std::string_view text(e.text.text);
            for (size_t i = 0; i < text.size();) InjectChar(Utf8Next(text, i));
            break;
        }
        default: break;
        }
    }

    // The desktop is drawn in memory: it goes to the window's own surface,
    // which SDL sends to the display (shared memory on X11), with no renderer.
    void Present() {
        cairo_surface_t* desktop = GetDesktopSurface();
        cairo_surface_flush(desktop);
        // Valid until the window is resized; asked for again each time.
        SDL_Surface* target = SDL_GetWindowSurface(window);
        if (!target) return;
        const int w = cairo_image_surface_get_width(desktop), h = cairo_image_surface_get_height(desktop);
        unsigned char* data = cairo_image_surface_get_data(desktop);
        if (!source || source->pixels != data || source->w != w || source->h != h) {
            if (source) SDL_FreeSurface(source);
            source = SDL_CreateRGBSurfaceWithFormatFrom(data, w, h, 32, cairo_image_surface_get_stride(desktop),
                                                        SDL_PIXELFORMAT_RGB888);
            if (!source) return;
        }
        SDL_BlitSurface(source, nullptr, target, nullptr);
        SDL_UpdateWindowSurface(window);
    }
};

SdlBackend::SdlBackend(const SdlOptions& options) : impl_(std::make_unique<Impl>()) {
    // The window's surface stays in memory: an OpenGL one (a software one
    // where the display has no driver) would cost a fifth of a second to
    // start and a copy of every frame.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0)
        throw EOSError(std::string("No se pudo abrir la pantalla: ") + SDL_GetError());
    // Without a display SDL falls back to a driver that shows nothing: the
    // station would run with no window. Only asked for by name is it used.
    const char* driver = SDL_GetCurrentVideoDriver();
    const char* asked = std::getenv("SDL_VIDEODRIVER");
    if (driver && (!std::strcmp(driver, "offscreen") || !std::strcmp(driver, "dummy")) &&
        !(asked && !std::strcmp(asked, driver))) {
        SDL_Quit();
        throw EOSError("No se pudo abrir la pantalla: no hay ninguna pantalla disponible (DISPLAY no está definida "
                       "o no responde)");
    }
    EndOnLostDisplay();
    if (Uint32 own = SDL_RegisterEvents(1); own != Uint32(-1)) impl_->wakeEvent = own;
    Uint32 flags = SDL_WINDOW_SHOWN;
    if (options.resizable) flags |= SDL_WINDOW_RESIZABLE;
    if (options.fullScreen) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    impl_->window = SDL_CreateWindow(options.title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                     options.width, options.height, flags);
    if (!impl_->window) {
        std::string why = SDL_GetError();
        SDL_Quit();
        throw EOSError("No se pudo crear la ventana de la pantalla: " + why);
    }
    int w = options.width, h = options.height;
    SDL_GetWindowSize(impl_->window, &w, &h);
    SetScreenSize(w, h);
    SDL_StartTextInput();
    impl_->Present();
}

SdlBackend::~SdlBackend() {
    for (auto& [h, c] : impl_->cursors) SDL_FreeCursor(c);
    if (impl_->source) SDL_FreeSurface(impl_->source);
    if (impl_->window) SDL_DestroyWindow(impl_->window);
    SDL_Quit();
}

void SdlBackend::WaitForInput(long long timeoutMs) {
    SDL_Event e;
    int got = timeoutMs < 0 ? SDL_WaitEvent(&e) : SDL_WaitEventTimeout(&e, int(timeoutMs));
    if (!got) return;
    impl_->Handle(e);
    while (SDL_PollEvent(&e)) impl_->Handle(e);
}

void SdlBackend::Wake() {
    SDL_Event e{};
    e.type = impl_->wakeEvent;
    SDL_PushEvent(&e);
}

void SdlBackend::Present() { impl_->Present(); }

void SdlBackend::CursorChanged(HCURSOR cursor) {
    if (!cursor) {
        SDL_ShowCursor(SDL_DISABLE);
        return;
    }
    SDL_ShowCursor(SDL_ENABLE);
    SDL_Cursor*& c = impl_->cursors[cursor];
    if (!c) {
        if (!cursor->pixels.empty()) {
            SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(
                const_cast<std::uint32_t*>(cursor->pixels.data()), cursor->width, cursor->height, 32,
                cursor->width * 4, SDL_PIXELFORMAT_ARGB8888);
            if (s) {
                c = SDL_CreateColorCursor(s, cursor->hotX, cursor->hotY);
                SDL_FreeSurface(s);
            }
        }
        if (!c) c = SDL_CreateSystemCursor(SystemCursor(cursor->standardId));
    }
    if (c) SDL_SetCursor(c);
}

std::string SdlBackend::ClipboardText() {
    char* text = SDL_GetClipboardText();
    std::string out = text ? text : "";
    SDL_free(text);
    return out;
}

void SdlBackend::SetClipboardText(const std::string& text) { SDL_SetClipboardText(text.c_str()); }

void SdlBackend::SetFullScreen(bool on) {
    SDL_SetWindowFullscreen(impl_->window, on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    int w = 0, h = 0;
    SDL_GetWindowSize(impl_->window, &w, &h);
    SetScreenSize(w, h);
}

} // namespace tv::win
