// The play background: the black sky, then the weather of the stage drawn
// by its own drawer. Outside play nothing is drawn. A weather number outside
// 0..4 (a damaged stage file) leaves the sky black and the particles as they
// are, so going back to a real weather carries on where it was.
#include "render/weather.h"

#include "render/weather_parts.h"

#include <array>

namespace tsu {

namespace {

using WeatherDrawer = void (*)(Game&);
constexpr std::array<WeatherDrawer, 5> kWeathers = {weather::draw_dust, weather::draw_rain,
                                                     weather::draw_storm, weather::draw_snow,
                                                     weather::draw_leaves};

} // namespace

void draw_background_weather(Game& g) {
    if (g.mode != 1) return;
    Bitmap& cg = g.cg;
    cg.brush_colour = kBlack;
    cg.brush_style = BrushStyle::solid;
    cg.pen_colour = kBlack;
    cg.fill_rect(Rect{0, 0, kViewWidth, kViewHeight});
    const int w = g.my.weather;
    if (w < 0 || w >= int(kWeathers.size())) return;
    kWeathers[std::size_t(w)](g);
    cg.pen_width = 1;
    cg.brush_style = BrushStyle::solid;
    g.bak.pen_width = 1;
}

} // namespace tsu
