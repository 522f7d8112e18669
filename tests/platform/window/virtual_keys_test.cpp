#include "platform/window/virtual_keys.h"

#include <gtest/gtest.h>

namespace {

using window::VirtualKeyOf;

TEST(VirtualKeysTest, EitherCtrlKeyIsVkControl) {
    EXPECT_EQ(VirtualKeyOf(SDLK_LCTRL), static_cast<WPARAM>(VK_CONTROL));
    EXPECT_EQ(VirtualKeyOf(SDLK_RCTRL), static_cast<WPARAM>(VK_CONTROL));
}

TEST(VirtualKeysTest, OnlyTheKeypadsPlusAndMinusAreVkAddAndVkSubtract) {
    EXPECT_EQ(VirtualKeyOf(SDLK_KP_PLUS), static_cast<WPARAM>(VK_ADD));
    EXPECT_EQ(VirtualKeyOf(SDLK_KP_MINUS), static_cast<WPARAM>(VK_SUBTRACT));
    for (const SDL_Keycode key : {SDLK_PLUS, SDLK_EQUALS, SDLK_MINUS}) {
        EXPECT_NE(VirtualKeyOf(key), static_cast<WPARAM>(VK_ADD)) << key;
        EXPECT_NE(VirtualKeyOf(key), static_cast<WPARAM>(VK_SUBTRACT)) << key;
    }
}

TEST(VirtualKeysTest, LettersAndDigitsAreTheirUpperCaseCharacters) {
    EXPECT_EQ(VirtualKeyOf(SDLK_a), static_cast<WPARAM>('A'));
    EXPECT_EQ(VirtualKeyOf(SDLK_z), static_cast<WPARAM>('Z'));
    EXPECT_EQ(VirtualKeyOf(SDLK_0), static_cast<WPARAM>('0'));
    EXPECT_EQ(VirtualKeyOf(SDLK_9), static_cast<WPARAM>('9'));
}

TEST(VirtualKeysTest, KeysWithoutACodeGiveZero) {
    EXPECT_EQ(VirtualKeyOf(SDLK_AUDIOPLAY), 0u);
    EXPECT_EQ(VirtualKeyOf(SDLK_UNKNOWN), 0u);
}

}  // namespace
