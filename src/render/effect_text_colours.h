// The colour ramps of the text effects, as data. Each ramp says how it is
// indexed (by age, age div 2 or age mod n); the drawers only compute the index.
#pragma once
#include "render/colour.h"

#include <array>

namespace tsu::effect_colours {

// Kinds 1 (red) and 5 (pink), by age div 2: 0..2, 3, 4, ..., 9, 10 and up.
inline constexpr std::array<Colour, 9> kRedFade = {
    rgb(0xAA0000), rgb(0xFF0000), rgb(0xDD0000), rgb(0xBB0000), rgb(0x990000),
    rgb(0x770000), rgb(0x550000), rgb(0x330000), rgb(0x110000)};
inline constexpr std::array<Colour, 9> kPinkFade = {
    rgb(0xFF00EE), rgb(0xFF00DD), rgb(0xDD00BB), rgb(0xBB0099), rgb(0x990077),
    rgb(0x770055), rgb(0x550033), rgb(0x330022), rgb(0x110000)};

// Kinds 2 and 107, by age mod 12 (0 is red, then round the colour wheel).
inline constexpr std::array<Colour, 12> kRainbow = {
    rgb(0xFF0000), rgb(0xFF9900), rgb(0xFFFF00), rgb(0x99FF00), rgb(0x00FF00), rgb(0x00FF99),
    rgb(0x00FFFF), rgb(0x0099FF), rgb(0x0000FF), rgb(0x9900FF), rgb(0xFF00FF), rgb(0xFF0099)};

// Kind 4, by age mod 8: white dimming to grey and back.
inline constexpr std::array<Colour, 8> kGreyBlink = {
    rgb(0xFFFFFF), rgb(0xDDDDDD), rgb(0xBBBBBB), rgb(0x999999),
    rgb(0x777777), rgb(0x999999), rgb(0xBBBBBB), rgb(0xDDDDDD)};

// Kind 6, by age mod 8: a slow cyan pulse.
inline constexpr std::array<Colour, 8> kSideMessage = {
    rgb(0x00CCDD), rgb(0x00BBCC), rgb(0x00AABB), rgb(0x0099AA),
    rgb(0x008899), rgb(0x0099AA), rgb(0x00AABB), rgb(0x00BBCC)};

// Kind 8, by age mod 10.
inline constexpr std::array<Colour, 10> kFlash = {
    rgb(0xFF0000), rgb(0xFFFF00), rgb(0x00FF00), rgb(0x00FFFF), rgb(0x0000FF),
    rgb(0xFF00FF), rgb(0x0000FF), rgb(0x00FFFF), rgb(0x00FF00), rgb(0xFFFF00)};

inline constexpr Colour kShadowGrey = rgb(0x555555);

// The bouncing numbers (13..19, 199, 299): the main colour until age 29, then
// a fade by age: 30..31, 32..33, 34..35, 36..37, 38..39, 40 and up.
struct BounceColours {
    Colour main;
    std::array<Colour, 6> fade;
};
inline constexpr BounceColours kBounceRed = {
    rgb(0xFF7070),
    {rgb(0xDD5050), rgb(0xBB3030), rgb(0x991010), rgb(0x770000), rgb(0x550000), rgb(0x330000)}};
inline constexpr BounceColours kBounceBlue = {
    rgb(0x2F97FF),
    {rgb(0x1070EE), rgb(0x0050CC), rgb(0x0033AA), rgb(0x000099), rgb(0x000066), rgb(0x000033)}};
inline constexpr BounceColours kBouncePink = {
    rgb(0xFFACD6),
    {rgb(0xDD99BB), rgb(0xBB7799), rgb(0x995577), rgb(0x773355), rgb(0x551133), rgb(0x330011)}};
inline constexpr BounceColours kBounceGrey = { // kind 19
    rgb(0xBBBBBB),
    {rgb(0xAAAAAA), rgb(0x999999), rgb(0x888888), rgb(0x555555), rgb(0x333333), rgb(0x111111)}};
inline constexpr BounceColours kBounceSilver = { // kind 199
    rgb(0xCCCCCC),
    {rgb(0xBBBBBB), rgb(0xAAAAAA), rgb(0x999999), rgb(0x555555), rgb(0x333333), rgb(0x111111)}};
inline constexpr BounceColours kBounceWhite = { // kind 299
    rgb(0xDDDDDD),
    {rgb(0xBBBBBB), rgb(0xAAAAAA), rgb(0x999999), rgb(0x555555), rgb(0x333333), rgb(0x111111)}};

// The rising coloured texts (301..312), by age mod 10 folded onto 0..5
// (0, then 1 and 9, 2 and 8, 3 and 7, 4 and 6, then 5).
struct RiseColours {
    bool shadowed;
    Colour shadow;
    std::array<Colour, 6> ramp;
};
inline constexpr RiseColours kRiseGreen = {
    true, kShadowGrey,
    {rgb(0x00EA12), rgb(0x00DB10), rgb(0x00BF0F), rgb(0x00B50E), rgb(0x00B50D), rgb(0x00B50C)}};
inline constexpr RiseColours kRiseGold = {
    true, kShadowGrey,
    {rgb(0xFFE800), rgb(0xE8D800), rgb(0xDFC402), rgb(0xDFAD02), rgb(0xDF9D02), rgb(0xDF8702)}};
inline constexpr RiseColours kRiseAqua = {
    true, kShadowGrey,
    {rgb(0x7EECF8), rgb(0x64E8F7), rgb(0x4EE4F5), rgb(0x34E0F3), rgb(0x1FDCF1), rgb(0x0FD2E8)}};
inline constexpr RiseColours kRisePink = {
    true, kShadowGrey,
    {rgb(0xFF4AA5), rgb(0xFF379B), rgb(0xFF158A), rgb(0xFB00A9), rgb(0xE300B6), rgb(0xD201D8)}};
inline constexpr RiseColours kRiseKhaki = {
    true, kShadowGrey,
    {rgb(0xDDDD88), rgb(0xCCCC77), rgb(0xBBBB66), rgb(0xAAAA55), rgb(0x999955), rgb(0x888855)}};
inline constexpr RiseColours kRiseRose = {
    true, rgb(0x552255),
    {rgb(0xFFBBCC), rgb(0xEEAABB), rgb(0xDD99AA), rgb(0xCC8899), rgb(0xBB7788), rgb(0xAA6677)}};
inline constexpr RiseColours kRiseLime = {
    false, kBlack,
    {rgb(0x88FF55), rgb(0x77EE44), rgb(0x66DD33), rgb(0x55CC22), rgb(0x44BB11), rgb(0x33AA00)}};
inline constexpr RiseColours kRiseViolet = {
    false, kBlack,
    {rgb(0xCC00FF), rgb(0xBB00EE), rgb(0xAA00EE), rgb(0x9900DD), rgb(0x8800CC), rgb(0x7700AA)}};

// Kind 106: the scrolling comment's 25 colours, picked once by random(25).
inline constexpr std::array<Colour, 25> kCommentColours = {
    rgb(0xFFFFFF), rgb(0x00CCCC), rgb(0xCC00CC), rgb(0xCCCC99), rgb(0x666666),
    rgb(0x3399FF), rgb(0xFF0000), rgb(0xBBBBBB), rgb(0xFF55DD), rgb(0xFF66FF),
    rgb(0xFF00FF), rgb(0xFF00CC), rgb(0xCCBBAA), rgb(0xFF6600), rgb(0xCC66CC),
    rgb(0xCCCC00), rgb(0xCCCC99), rgb(0xCC99CC), rgb(0xFFFFCC), rgb(0xFF8800),
    rgb(0xFFCC00), rgb(0x00CC00), rgb(0x00FFFF), rgb(0xFFFF00), rgb(0xCC00FF)};

} // namespace tsu::effect_colours
