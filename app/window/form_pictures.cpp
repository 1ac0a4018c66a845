#include "app/window/form_pictures.h"

#include <array>

#include "app/form/control_ids.h"
#include "app/form/fixed_text_ids.h"

namespace selvio {
namespace {

constexpr const char* kTicked = ":/selvio/header_ticked.png";
constexpr const char* kEmpty = ":/selvio/header_empty.png";
constexpr const char* kGreyedTicked = ":/selvio/header_greyed_ticked.png";
constexpr const char* kGreyedEmpty = ":/selvio/header_greyed_empty.png";

constexpr auto kPictures = std::to_array<FormPicture>({
    {ids::kRegulatorHeader, kTicked, "выбран"},
    {ids::kActuatorTicked, kTicked, "выбран"},
    {ids::kActuatorEmpty, kEmpty, "не выбран"},
    {ids::kActuatorGreyedTicked, kGreyedTicked, "выбран, недоступен"},
    {ids::kActuatorGreyedEmpty, kGreyedEmpty, "не выбран, недоступен"},
    {ids::kControllerTicked, kTicked, "выбран"},
    {ids::kControllerEmpty, kEmpty, "не выбран"},
    {ids::kControllerGreyedTicked, kGreyedTicked, "выбран, недоступен"},
    {ids::kControllerGreyedEmpty, kGreyedEmpty, "не выбран, недоступен"},
    {ids::kLogo, ":/selvio/logo.png", ""},
    {ids::kBanner, ":/selvio/banner.png", ""},
});

}  // namespace

std::span<const FormPicture> FormPictures() { return kPictures; }

const FormPicture* FindFormPicture(int id) {
  for (const FormPicture& picture : kPictures) {
    if (picture.id == id) return &picture;
  }
  return nullptr;
}

}  // namespace selvio
