// Key codes of the keyboard events: the platform's virtual-key numbers, which the system's code
// compares against. Letters and digits are their upper-case ASCII codes ('A' is 65, '0' is 48).
#pragma once

#include <cstdint>

namespace plat {

using TKey = uint16_t;

constexpr TKey VK_BACK = 8;
constexpr TKey VK_TAB = 9;
constexpr TKey VK_RETURN = 13;
constexpr TKey VK_SHIFT = 16;
constexpr TKey VK_CONTROL = 17;
constexpr TKey VK_MENU = 18;
constexpr TKey VK_ESCAPE = 27;
constexpr TKey VK_SPACE = 32;
constexpr TKey VK_PRIOR = 33;
constexpr TKey VK_NEXT = 34;
constexpr TKey VK_END = 35;
constexpr TKey VK_HOME = 36;
constexpr TKey VK_LEFT = 37;
constexpr TKey VK_UP = 38;
constexpr TKey VK_RIGHT = 39;
constexpr TKey VK_DOWN = 40;
constexpr TKey VK_INSERT = 45;
constexpr TKey VK_DELETE = 46;
constexpr TKey VK_F1 = 112; // VK_F2 ... VK_F12 follow
constexpr TKey VK_F12 = 123;

} // namespace plat
