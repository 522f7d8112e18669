// The desktop host hands the viewer keys as virtual-key codes.
#include "platform/window/virtual_keys.h"

#include <gtest/gtest.h>

namespace {

using window::VirtualKeyOf;

// Only the keypad's plus and minus are VK_ADD and VK_SUBTRACT; the main
// keyboard's are the OEM keys.
TEST(VirtualKeysTest, MapsKeysToTheirVirtualKeyCodes) {
    const std::pair<SDL_Keycode, WPARAM> cases[] = {{SDLK_LCTRL, VK_CONTROL},
                                                    {SDLK_RCTRL, VK_CONTROL},
                                                    {SDLK_KP_PLUS, VK_ADD},
                                                    {SDLK_KP_MINUS, VK_SUBTRACT},
                                                    {SDLK_PLUS, 0xBB},
                                                    {SDLK_EQUALS, 0xBB},
                                                    {SDLK_MINUS, 0xBD},
                                                    {SDLK_a, 'A'},
                                                    {SDLK_z, 'Z'},
                                                    {SDLK_0, '0'},
                                                    {SDLK_9, '9'},
                                                    {SDLK_AUDIOPLAY, 0},
                                                    {SDLK_UNKNOWN, 0}};
    for (const auto& [key, virtualKey] : cases) EXPECT_EQ(VirtualKeyOf(key), virtualKey) << key;
}

}  // namespace
