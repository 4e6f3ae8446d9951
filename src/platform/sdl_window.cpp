// SDL window, renderer and the streaming texture of the client picture.
#include "platform/sdl_window.h"

#include <SDL.h>

#include <algorithm>
#include <cstdint>

namespace tsu {

const char* const kWindowCaption =
    "ぽわんでござる、ソラ坊くん ver4.6 — Tsumikiya: pictures, sounds, music and stages made by the Tsumikiya team";
const char* const kAppTitle = "Tsumikiya";

namespace {
// Room left for the window frame and title bar when choosing the first
// scale from the display's usable area (pixels).
constexpr int kFrameAllowanceW = 16;
constexpr int kFrameAllowanceH = 48;
} // namespace

GameWindow::~GameWindow() {
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
}

int GameWindow::usable_scale(int client_w, int client_h) const {
    SDL_Rect area{};
    const int display = window_ ? std::max(0, SDL_GetWindowDisplayIndex(window_)) : 0;
    if (SDL_GetDisplayUsableBounds(display, &area) != 0) return 1;
    return largest_scale(area.w - kFrameAllowanceW, area.h - kFrameAllowanceH, client_w, client_h);
}

bool GameWindow::create(int client_w, int client_h, int scale, bool fixed_scale,
                        std::string& error) {
    client_w_ = client_w;
    client_h_ = client_h;
    scale_ = scale > 0 ? scale : usable_scale(client_w, client_h);
    fixed_scale_ = fixed_scale ? scale_ : 0;

    // Whole-multiple scaling of pixel art: no smoothing.
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    window_ = SDL_CreateWindow(kWindowCaption, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                               client_w * scale_, client_h * scale_,
                               SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN);
    if (!window_) {
        error = SDL_GetError();
        return false;
    }
    renderer_ = SDL_CreateRenderer(window_, -1, 0);
    if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (!renderer_) {
        error = SDL_GetError();
        return false;
    }
    // One whole view at scale 1 is the smallest window. Set after the
    // renderer: an OpenGL renderer makes SDL create the system window anew,
    // and the new one would not carry a minimum set before.
    SDL_SetWindowMinimumSize(window_, client_w, client_h);
    if (!ensure_texture()) {
        error = SDL_GetError();
        return false;
    }
    return true;
}

bool GameWindow::ensure_texture() {
    if (texture_ && texture_w_ == client_w_ && texture_h_ == client_h_) return true;
    if (texture_) SDL_DestroyTexture(texture_);
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                 client_w_, client_h_);
    texture_w_ = texture_ ? client_w_ : 0;
    texture_h_ = texture_ ? client_h_ : 0;
    have_picture_ = false;
    return texture_ != nullptr;
}

PictureLayout GameWindow::layout() const {
    int out_w = client_w_, out_h = client_h_;
    if (renderer_) SDL_GetRendererOutputSize(renderer_, &out_w, &out_h);
    return layout_picture(out_w, out_h, client_w_, client_h_, fixed_scale_);
}

ClientPoint GameWindow::map_mouse(int window_x, int window_y) const {
    const PictureLayout l = layout();
    int win_w = 0, win_h = 0, out_w = 0, out_h = 0;
    SDL_GetWindowSize(window_, &win_w, &win_h);
    SDL_GetRendererOutputSize(renderer_, &out_w, &out_h);
    // High-DPI outputs have more pixels than window coordinates.
    const int x = win_w > 0 ? int(int64_t(window_x) * out_w / win_w) : window_x;
    const int y = win_h > 0 ? int(int64_t(window_y) * out_h / win_h) : window_y;
    return map_to_client(l, x, y);
}

void GameWindow::set_client_size(int w, int h) {
    if (w <= 0 || h <= 0 || (w == client_w_ && h == client_h_)) return;
    const int current = layout().scale;
    client_w_ = w;
    client_h_ = h;
    ensure_texture();
    if (!window_) return;
    SDL_SetWindowMinimumSize(window_, w, h);
    if (fixed_scale_ > 0) {
        scale_ = fixed_scale_;
    } else {
        SDL_Rect area{};
        const int display = std::max(0, SDL_GetWindowDisplayIndex(window_));
        if (SDL_GetDisplayUsableBounds(display, &area) == 0)
            scale_ = scale_for_client(current, area.w - kFrameAllowanceW,
                                      area.h - kFrameAllowanceH, w, h);
        else
            scale_ = std::max(1, current);
    }
    // Full screen keeps the display; the layout picks the scale there.
    if (!fullscreen()) {
        SDL_SetWindowSize(window_, w * scale_, h * scale_);
        wait_for_size(w * scale_, h * scale_);
    }
}

void GameWindow::wait_for_size(int w, int h) {
    // The window system resizes asynchronously, and the renderer follows
    // only when it sees the size-change event; without this wait the first
    // frame after opening the editor would be cut to the old size. The
    // events stay queued for the main loop.
    const Uint64 give_up = SDL_GetTicks64() + 250;
    do {
        SDL_PumpEvents();
        SDL_Event events[16];
        const int n = SDL_PeepEvents(events, 16, SDL_PEEKEVENT, SDL_WINDOWEVENT, SDL_WINDOWEVENT);
        for (int i = 0; i < n; ++i) {
            const SDL_WindowEvent& we = events[i].window;
            if (we.event == SDL_WINDOWEVENT_SIZE_CHANGED && we.data1 == w && we.data2 == h) return;
        }
        SDL_Delay(2);
    } while (SDL_GetTicks64() < give_up);
}

bool GameWindow::fullscreen() const {
    return window_ && (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) ==
                          SDL_WINDOW_FULLSCREEN_DESKTOP;
}

void GameWindow::toggle_fullscreen() {
    if (!window_) return;
    SDL_SetWindowFullscreen(window_, fullscreen() ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
    // SDL ignores a new minimum while in full screen (the editor may have
    // opened or closed there): the window gets the current one back.
    if (!fullscreen()) SDL_SetWindowMinimumSize(window_, client_w_, client_h_);
    redraw();
}

void GameWindow::present(const Bitmap& picture, Bitmap* readback) {
    if (!renderer_) return;
    if (picture.width() != client_w_ || picture.height() != client_h_) {
        // The core changed the client size without telling the platform.
        set_client_size(picture.width(), picture.height());
    }
    if (!ensure_texture() || picture.empty()) return;
    SDL_UpdateTexture(texture_, nullptr, picture.pixels().data(),
                      int(sizeof(Colour)) * picture.width());
    have_picture_ = true;
    draw_and_present(readback);
}

void GameWindow::show() {
    if (window_) SDL_ShowWindow(window_);
}

bool GameWindow::shown() const {
    return window_ && (SDL_GetWindowFlags(window_) & SDL_WINDOW_SHOWN) != 0;
}

void GameWindow::redraw() {
    if (renderer_ && have_picture_) draw_and_present(nullptr);
}

void GameWindow::draw_and_present(Bitmap* readback) {
    const PictureLayout l = layout();
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    const SDL_Rect dst{l.x, l.y, l.width, l.height};
    SDL_RenderCopy(renderer_, texture_, nullptr, &dst);
    if (readback) {
        // Read before presenting: the back buffer is undefined afterwards.
        readback->resize(l.width, l.height, kBlack);
        if (SDL_RenderReadPixels(renderer_, &dst, SDL_PIXELFORMAT_ARGB8888,
                                 readback->pixels().data(), int(sizeof(Colour)) * l.width) == 0) {
            for (Colour& c : readback->pixels()) c |= 0xFF000000u;
        } else {
            *readback = Bitmap();
        }
    }
    SDL_RenderPresent(renderer_);
}

} // namespace tsu
