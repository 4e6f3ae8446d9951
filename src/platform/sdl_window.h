// The game's window: caption, resizable frame, the client-area picture
// scaled by the largest whole multiple that fits (nearest neighbour,
// centred on black), Alt+Enter full screen, and the mouse mapped back to
// client pixels.
#pragma once
#include "platform/window_layout.h"
#include "render/bitmap.h"

#include <string>

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;

namespace tsu {

// "ぽわんでござる、ソラ坊くん ver4.6" and our credit.
extern const char* const kWindowCaption;
// Title of message boxes and questions.
extern const char* const kAppTitle;

class GameWindow {
  public:
    GameWindow() = default;
    ~GameWindow();
    GameWindow(const GameWindow&) = delete;
    GameWindow& operator=(const GameWindow&) = delete;

    // scale: whole multiple to open at, 0 = the largest that fits the
    // display's usable area. fixed_scale: the picture is always drawn at
    // `scale` (screenshots read back the picture at its own size).
    bool create(int client_w, int client_h, int scale, bool fixed_scale, std::string& error);

    // The client area changed size (editor open or closed).
    void set_client_size(int w, int h);
    int client_width() const { return client_w_; }
    int client_height() const { return client_h_; }

    // Draws the picture (client size, ARGB8888) and shows it. With
    // `readback`, the drawn picture area is read back from the renderer
    // first, at the picture's own size when the scale is 1.
    void present(const Bitmap& picture, Bitmap* readback = nullptr);
    // Shows the last picture again (after an expose or a resize).
    void redraw();
    // The window opens hidden and is shown once the game has started and its
    // first picture is presented: a failed start never shows an empty window.
    void show();
    bool shown() const;

    void toggle_fullscreen();
    bool fullscreen() const;

    // Window coordinates (mouse events) to client pixels.
    ClientPoint map_mouse(int window_x, int window_y) const;
    PictureLayout layout() const;

    SDL_Window* sdl_window() const { return window_; }

  private:
    bool ensure_texture();
    void draw_and_present(Bitmap* readback);
    int usable_scale(int client_w, int client_h) const;
    void wait_for_size(int w, int h);

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    int texture_w_ = 0, texture_h_ = 0;
    int client_w_ = 0, client_h_ = 0;
    int scale_ = 1;      // windowed scale
    int fixed_scale_ = 0; // > 0: the picture is drawn at this scale only
    bool have_picture_ = false;
};

} // namespace tsu
