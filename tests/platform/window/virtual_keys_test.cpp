#include "platform/window/virtual_keys.h"

#include <gtest/gtest.h>

namespace {

using window::VirtualKeyOf;

TEST(VirtualKeysTest, ViewerKeysGetTheirWindowsCodes) {
    EXPECT_EQ(VirtualKeyOf(SDLK_LCTRL), static_cast<WPARAM>(VK_CONTROL));
    EXPECT_EQ(VirtualKeyOf(SDLK_RCTRL), static_cast<WPARAM>(VK_CONTROL));
    EXPECT_EQ(VirtualKeyOf(SDLK_ESCAPE), static_cast<WPARAM>(VK_ESCAPE));
    EXPECT_EQ(VirtualKeyOf(SDLK_SPACE), static_cast<WPARAM>(VK_SPACE));
    EXPECT_EQ(VirtualKeyOf(SDLK_PAGEUP), static_cast<WPARAM>(VK_PRIOR));
    EXPECT_EQ(VirtualKeyOf(SDLK_PAGEDOWN), static_cast<WPARAM>(VK_NEXT));
    EXPECT_EQ(VirtualKeyOf(SDLK_LEFT), static_cast<WPARAM>(VK_LEFT));
    EXPECT_EQ(VirtualKeyOf(SDLK_UP), static_cast<WPARAM>(VK_UP));
    EXPECT_EQ(VirtualKeyOf(SDLK_RIGHT), static_cast<WPARAM>(VK_RIGHT));
    EXPECT_EQ(VirtualKeyOf(SDLK_DOWN), static_cast<WPARAM>(VK_DOWN));
    EXPECT_EQ(VirtualKeyOf(SDLK_KP_PLUS), static_cast<WPARAM>(VK_ADD));
    EXPECT_EQ(VirtualKeyOf(SDLK_KP_MINUS), static_cast<WPARAM>(VK_SUBTRACT));
    EXPECT_EQ(VirtualKeyOf(SDLK_F1), static_cast<WPARAM>(VK_F1));
    EXPECT_EQ(VirtualKeyOf(SDLK_F2), static_cast<WPARAM>(VK_F2));
    EXPECT_EQ(VirtualKeyOf(SDLK_F3), static_cast<WPARAM>(VK_F3));
    EXPECT_EQ(VirtualKeyOf(SDLK_F4), static_cast<WPARAM>(VK_F4));
}

TEST(VirtualKeysTest, MainKeyboardPlusAndMinusAreNotTheKeypadKeys) {
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
