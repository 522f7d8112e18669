// What the desktop host hands the viewer: keys as virtual-key codes, and a
// message box even where there is no screen.
#include <gtest/gtest.h>

#include "platform/window/headless.h"
#include "platform/window/virtual_keys.h"

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

TEST(MessageBoxTest, WithoutAScreenTheTextGoesToStandardErrorAndTheAnswerIsOk) {
    UseHeadlessWindows(10, 10);
    testing::internal::CaptureStderr();
    EXPECT_EQ(MessageBoxA(nullptr, "Program requires Windows NT!", "Vellumtarn", MB_ICONERROR), 1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Vellumtarn: Program requires Windows NT!\n");
}

}  // namespace
