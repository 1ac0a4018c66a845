#include "app/cli/check_json.h"

#include <QJsonArray>
#include <QJsonObject>
#include <cmath>
#include <vector>

#include "words/check_words.h"

namespace selvio {
namespace {

QJsonValue Number(const std::optional<double>& value) {
  if (!value || !std::isfinite(*value)) return QJsonValue(QJsonValue::Null);
  return *value;
}

QString StatusName(CheckStatus status) {
  switch (status) {
    case CheckStatus::Computed:
      return QStringLiteral("computed");
    case CheckStatus::BoilingAtInlet:
      return QStringLiteral("boiling_at_inlet");
    case CheckStatus::OutOfRange:
      return QStringLiteral("out_of_range");
  }
  return {};
}

QJsonArray Texts(const std::vector<QString>& texts) {
  QJsonArray array;
  for (const QString& text : texts) array.append(text);
  return array;
}

QJsonObject FlagsJson(const CheckFlags& f) {
  return {
      {QStringLiteral("boiling_at_inlet"), f.boilingAtInlet},
      {QStringLiteral("choked"), f.choked},
      {QStringLiteral("cavitation"), f.cavitation},
      {QStringLiteral("below_controllable_range"), f.belowControllableRange},
      {QStringLiteral("oversized"), f.oversized},
      {QStringLiteral("no_reserve"), f.noReserve},
      {QStringLiteral("kvs_insufficient"), f.kvsInsufficient},
      {QStringLiteral("velocity_above_advice"), f.velocityAboveAdvice},
      {QStringLiteral("velocity_below_advice"), f.velocityBelowAdvice},
      {QStringLiteral("velocity_high"), f.velocityHigh},
      {QStringLiteral("kv_exceeds_kvs"), f.kvExceedsKvs},
  };
}

}  // namespace

QJsonValue CheckJson(const std::optional<ProductCheck>& check) {
  if (!check) return QJsonValue(QJsonValue::Null);
  const ProductCheck& c = *check;
  const bool computed = c.status == CheckStatus::Computed;
  const QJsonValue suggestion =
      c.suggestion ? QJsonValue(*c.suggestion) : QJsonValue(QJsonValue::Null);
  return QJsonObject{
      {QStringLiteral("status"), StatusName(c.status)},
      {QStringLiteral("medium"), c.isSteam ? QStringLiteral("steam") : QStringLiteral("liquid")},
      {QStringLiteral("kv_iec"), Number(c.kvIec)},
      {QStringLiteral("kv_required"), Number(c.kvRequired)},
      {QStringLiteral("choked"), computed ? QJsonValue(c.choked) : QJsonValue(QJsonValue::Null)},
      {QStringLiteral("x_f"), Number(c.xF)},
      {QStringLiteral("opening_percent"), Number(c.openingPercent)},
      {QStringLiteral("lift_percent"), Number(c.liftPercent)},
      {QStringLiteral("velocity"), Number(c.velocity)},
      {QStringLiteral("rho"), Number(c.rho)},
      {QStringLiteral("p1_abs"), Number(c.p1)},
      {QStringLiteral("p2_abs"), computed ? Number(c.p2) : QJsonValue(QJsonValue::Null)},
      {QStringLiteral("drop"), computed ? Number(c.drop) : QJsonValue(QJsonValue::Null)},
      {QStringLiteral("vapour_pressure"), Number(c.vapourPressure)},
      {QStringLiteral("saturation_temperature"), Number(c.saturationTemperature)},
      {QStringLiteral("outlet_density"), Number(c.outletDensity)},
      {QStringLiteral("fl"), c.fl},
      {QStringLiteral("xt"), c.xt},
      {QStringLiteral("ff"), Number(c.ff)},
      {QStringLiteral("choked_drop"), Number(c.chokedDrop)},
      {QStringLiteral("gamma"), Number(c.gamma)},
      {QStringLiteral("f_gamma"), Number(c.fGamma)},
      {QStringLiteral("choked_ratio"), Number(c.chokedRatio)},
      {QStringLiteral("expansion"), Number(c.expansion)},
      {QStringLiteral("suggestion"), suggestion},
      {QStringLiteral("flags"), FlagsJson(c.flags)},
      {QStringLiteral("verdict"), CheckVerdictText(c)},
      {QStringLiteral("warnings"), Texts(CheckWarningTexts(c))},
      {QStringLiteral("notes"), Texts(CheckNoteTexts(c))},
  };
}

}  // namespace selvio
