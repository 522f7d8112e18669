#include "platform/window/virtual_keys.h"

#include <gtest/gtest.h>

namespace {

using window::VirtualKeyOf;

TEST(VirtualKeysTest, MapsKeysToTheirVirtualKeyCodes) {
    const std::pair<SDL_Keycode, WPARAM> cases[] = {{SDLK_LCTRL, VK_CONTROL},
                                                    {SDLK_RCTRL, VK_CONTROL},
                                                    {SDLK_KP_PLUS, VK_ADD},
                                                    {SDLK_KP_MINUS, VK_SUBTRACT},
                                                    {SDLK_a, 'A'},
                                                    {SDLK_z, 'Z'},
                                                    {SDLK_0, '0'},
                                                    {SDLK_9, '9'},
                                                    {SDLK_AUDIOPLAY, 0},
                                                    {SDLK_UNKNOWN, 0}};
    for (const auto& [key, virtualKey] : cases) EXPECT_EQ(VirtualKeyOf(key), virtualKey) << key;
    // Only the keypad's plus and minus are VK_ADD and VK_SUBTRACT.
    for (const SDL_Keycode key : {SDLK_PLUS, SDLK_EQUALS, SDLK_MINUS}) {
        EXPECT_NE(VirtualKeyOf(key), static_cast<WPARAM>(VK_ADD)) << key;
        EXPECT_NE(VirtualKeyOf(key), static_cast<WPARAM>(VK_SUBTRACT)) << key;
    }
}

}  // namespace
