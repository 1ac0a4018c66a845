#pragma once

// The keys every window of the program answers: Enter runs the handler of id 1 (OK, or "Выход"
// on the form), Esc and the close box of a dialog the handler of id 2.
namespace selvio::ids {

inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;

}  // namespace selvio::ids
