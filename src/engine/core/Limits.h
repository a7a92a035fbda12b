#pragma once
// Sizes that the macro file, the shared blocks and the tables agree on.

#include <cstddef>

namespace kv {

inline constexpr int kMaxMacros = 500; // places 1..500
inline constexpr std::size_t kMaxMacroText = 5000;
inline constexpr std::size_t kNicknameMax = 50;
inline constexpr std::size_t kScopeNameMax = 30;
inline constexpr std::size_t kScopeNameShared = 20; // the copy kept in the shared block
inline constexpr std::size_t kTypewordMax = 10;
inline constexpr std::size_t kIconMax = 12;
inline constexpr std::size_t kPathMax = 255;

inline constexpr unsigned kActivationTimed = 10000;
inline constexpr unsigned kActivationTypeword = 20000;

enum class Scope : unsigned { Global = 1, Window = 2, Program = 3, PopupMenu = 4, System = 5 };

} // namespace kv
