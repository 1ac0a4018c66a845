#include "app/window/form_pictures.h"

#include <QtGlobal>
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
    {ids::kRegulatorHeader, kTicked, QT_TRANSLATE_NOOP("AccessibleNames", "выбран")},
    {ids::kActuatorTicked, kTicked, QT_TRANSLATE_NOOP("AccessibleNames", "выбран")},
    {ids::kActuatorEmpty, kEmpty, QT_TRANSLATE_NOOP("AccessibleNames", "не выбран")},
    {ids::kActuatorGreyedTicked, kGreyedTicked,
     QT_TRANSLATE_NOOP("AccessibleNames", "выбран, недоступен")},
    {ids::kActuatorGreyedEmpty, kGreyedEmpty,
     QT_TRANSLATE_NOOP("AccessibleNames", "не выбран, недоступен")},
    {ids::kControllerTicked, kTicked, QT_TRANSLATE_NOOP("AccessibleNames", "выбран")},
    {ids::kControllerEmpty, kEmpty, QT_TRANSLATE_NOOP("AccessibleNames", "не выбран")},
    {ids::kControllerGreyedTicked, kGreyedTicked,
     QT_TRANSLATE_NOOP("AccessibleNames", "выбран, недоступен")},
    {ids::kControllerGreyedEmpty, kGreyedEmpty,
     QT_TRANSLATE_NOOP("AccessibleNames", "не выбран, недоступен")},
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
