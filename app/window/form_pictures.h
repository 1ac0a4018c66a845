#pragma once

#include <span>

namespace selvio {

// The image of each picture of the form, and for a header picture the state it shows, as
// a screen reader says it.
struct FormPicture {
  int id = 0;
  const char* image = "";
  // UTF-8, the Russian source of the translation context "AccessibleNames"; empty for the
  // decorative pictures.
  const char* state = "";
};

std::span<const FormPicture> FormPictures();

// The picture entry of `id`, or nullptr.
const FormPicture* FindFormPicture(int id);

}  // namespace selvio
