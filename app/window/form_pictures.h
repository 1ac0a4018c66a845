#pragma once

#include <span>

namespace selvio {

// The image of each picture of the form, and for a header picture the state it shows, as
// a screen reader says it.
struct FormPicture {
  int id = 0;
  const char* image = "";
  const char* state = "";  // UTF-8; empty for the decorative pictures
};

std::span<const FormPicture> FormPictures();

// The picture entry of `id`, or nullptr.
const FormPicture* FindFormPicture(int id);

}  // namespace selvio
