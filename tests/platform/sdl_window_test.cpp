// The window on SDL's dummy video driver: what is presented is the
// picture, pixel for pixel, scaled by whole multiples without smoothing.
#include "platform/sdl_window.h"

#include <SDL.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

using namespace tsu;

class SdlWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // The dummy driver renders in software into memory: no display,
        // and a window that resizes at once.
        if (const char* old = std::getenv("SDL_VIDEODRIVER")) old_driver_ = old;
        ::setenv("SDL_VIDEODRIVER", "dummy", 1);
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
            GTEST_SKIP() << "no SDL video driver: " << SDL_GetError();
        video_ = true;
    }
    void TearDown() override {
        if (video_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
        // Later tests of the same process may want a real display.
        if (old_driver_.empty()) ::unsetenv("SDL_VIDEODRIVER");
        else ::setenv("SDL_VIDEODRIVER", old_driver_.c_str(), 1);
    }
    // A picture where every pixel differs from its neighbours.
    static Bitmap pattern(int w, int h) {
        Bitmap b(w, h, kBlack);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) b.set_pixel(x, y, rgb(x & 0xFF, y & 0xFF, (x * 7 + y * 13) & 0xFF));
        return b;
    }
    bool video_ = false;
    std::string old_driver_; // SDL_VIDEODRIVER before the test
};

TEST_F(SdlWindowTest, ScaleOneShowsThePictureExactly) {
    GameWindow w;
    std::string error;
    ASSERT_TRUE(w.create(512, 384, 1, true, error)) << error;
    const Bitmap pic = pattern(512, 384);
    Bitmap back;
    w.present(pic, &back);
    ASSERT_EQ(back.width(), 512);
    ASSERT_EQ(back.height(), 384);
    EXPECT_EQ(back.pixels(), pic.pixels());
}

TEST_F(SdlWindowTest, WholeMultipleScalingRepeatsPixelsWithoutSmoothing) {
    GameWindow w;
    std::string error;
    ASSERT_TRUE(w.create(512, 384, 2, true, error)) << error;
    const Bitmap pic = pattern(512, 384);
    Bitmap back;
    w.present(pic, &back);
    ASSERT_EQ(back.width(), 1024);
    ASSERT_EQ(back.height(), 768);
    int wrong = 0;
    for (int y = 0; y < 768; ++y)
        for (int x = 0; x < 1024; ++x)
            if (back.pixel(x, y) != pic.pixel(x / 2, y / 2)) ++wrong;
    EXPECT_EQ(wrong, 0);
}

TEST_F(SdlWindowTest, EditorClientSizeResizesWindowAndPicture) {
    GameWindow w;
    std::string error;
    ASSERT_TRUE(w.create(512, 384, 1, true, error)) << error;
    w.set_client_size(660, 480);
    EXPECT_EQ(w.client_width(), 660);
    EXPECT_EQ(w.client_height(), 480);
    int ww = 0, wh = 0;
    SDL_GetWindowSize(w.sdl_window(), &ww, &wh);
    EXPECT_EQ(ww, 660);
    EXPECT_EQ(wh, 480);
    const Bitmap pic = pattern(660, 480);
    Bitmap back;
    w.present(pic, &back);
    EXPECT_EQ(back.pixels(), pic.pixels());
    // A view pixel maps back to itself; the editor's margin is not the view.
    const ClientPoint p = w.map_mouse(100, 200);
    EXPECT_TRUE(press_reaches_view(p));
    EXPECT_EQ(p.x, 100);
    EXPECT_EQ(p.y, 200);
    EXPECT_FALSE(press_reaches_view(w.map_mouse(600, 200)));
}

TEST_F(SdlWindowTest, CaptionCarriesTheGameTitle) {
    GameWindow w;
    std::string error;
    ASSERT_TRUE(w.create(512, 384, 1, false, error)) << error;
    const std::string caption = SDL_GetWindowTitle(w.sdl_window());
    EXPECT_EQ(caption.rfind("ぽわんでござる、ソラ坊くん ver4.6", 0), 0u) << caption;
    EXPECT_TRUE(SDL_GetWindowFlags(w.sdl_window()) & SDL_WINDOW_RESIZABLE);
}

} // namespace
